#include "framework/app_runtime.h"
#include "framework/view/control_views.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace fw::view {

namespace {

// A caption as shown: without its access-key marks.
QString Plain(QString caption) {
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}

class PushButtonView : public ControlView {
public:
    PushButtonView(PushButton &model, WindowView &window)
        : ControlView(model, window), model_(model), button_(new QPushButton(window.Content())) {
        button_->setAutoDefault(false);
        SetWidget(button_);
        QObject::connect(button_, &QPushButton::clicked, button_, [this] {
            Ref<PushButton> hold(&model_);
            RuntimeCallHandler([&] { hold->Push(); });
        });
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Caption) button_->setText(ToQt(model_.Caption().view()));
        if (all || aspect == Aspect::Font || aspect == Aspect::Caption || aspect == Aspect::Geometry) {
            const int margin = 2 * button_->style()->pixelMetric(QStyle::PM_ButtonMargin);
            button_->setFont(FitFont(MakeFont(model_), Plain(button_->text()), button_->width() - margin));
        }
        if (all || aspect == Aspect::Behaviour) button_->setDefault(model_.IsDefault());
    }

private:
    PushButton &model_;
    QPushButton *button_;
};

// A radio button that the user can choose but not clear by clicking it; the
// framework groups the buttons of a window itself, so that code can show
// every button of a group unselected.
class GroupedRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override { setChecked(true); }
};

class RadioButtonView : public ControlView {
public:
    RadioButtonView(RadioButton &model, WindowView &window)
        : ControlView(model, window), model_(model), button_(new GroupedRadioButton(window.Content())) {
        button_->setAutoExclusive(false);
        SetWidget(button_);
        QObject::connect(button_, &QRadioButton::clicked, button_, [this] {
            Ref<RadioButton> hold(&model_);
            RuntimeCallHandler([&] { hold->UserChoose(); });
        });
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Caption) button_->setText(ToQt(model_.Caption().view()));
        if (all || aspect == Aspect::Font || aspect == Aspect::Caption || aspect == Aspect::Geometry) {
            QStyle *style = button_->style();
            const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button_) +
                                  style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button_);
            button_->setFont(FitFont(MakeFont(model_), Plain(button_->text()), button_->width() - indicator - 2));
        }
        if (all || aspect == Aspect::Value) button_->setChecked(model_.Value());
    }

private:
    RadioButton &model_;
    GroupedRadioButton *button_;
};

} // namespace

std::unique_ptr<ControlView> MakePushButtonView(PushButton &model, WindowView &window) {
    return std::make_unique<PushButtonView>(model, window);
}

std::unique_ptr<ControlView> MakeRadioButtonView(RadioButton &model, WindowView &window) {
    return std::make_unique<RadioButtonView>(model, window);
}

} // namespace fw::view
