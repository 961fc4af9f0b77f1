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

// What the push-button and radio-button views share: the caption, shown in
// the model's font at the size the window fits it to.
template <class ModelType, class ButtonType> class CaptionedButtonView : public ControlView {
protected:
    CaptionedButtonView(ModelType &model, WindowView &window)
        : ControlView(model, window), model_(model), button_(new ButtonType(window.Content())) {
        // Reached by Tab; a click presses the button and leaves the keyboard
        // focus in the field the user is typing into.
        button_->setFocusPolicy(Qt::TabFocus);
    }

    // The part of the button's width that the caption cannot use.
    virtual int CaptionInset() const = 0;

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Caption) button_->setText(ToQt(model_.Caption().view()));
        if (all || aspect == Aspect::Font || aspect == Aspect::Caption || aspect == Aspect::Geometry)
            Window().FitCaptions();
    }

    std::optional<FixedCaption> Caption() const override {
        return FixedCaption{MakeFont(model_), Plain(button_->text()), button_->width() - CaptionInset()};
    }

    ModelType &model_;
    ButtonType *button_;
};

class PushButtonView : public CaptionedButtonView<PushButton, QPushButton> {
public:
    PushButtonView(PushButton &model, WindowView &window) : CaptionedButtonView(model, window) {
        button_->setAutoDefault(false);
        SetWidget(button_);
        QObject::connect(button_, &QPushButton::clicked, button_, [this] {
            Ref<PushButton> hold(&model_);
            RuntimeCallHandler([&] { hold->Push(); });
        });
    }

    void Apply(Aspect aspect) override {
        CaptionedButtonView::Apply(aspect);
        if (aspect == Aspect::All || aspect == Aspect::Behaviour) button_->setDefault(model_.IsDefault());
    }

private:
    int CaptionInset() const override { return 2 * button_->style()->pixelMetric(QStyle::PM_ButtonMargin); }
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

class RadioButtonView : public CaptionedButtonView<RadioButton, GroupedRadioButton> {
public:
    RadioButtonView(RadioButton &model, WindowView &window) : CaptionedButtonView(model, window) {
        button_->setAutoExclusive(false);
        SetWidget(button_);
        QObject::connect(button_, &QRadioButton::clicked, button_, [this] {
            Ref<RadioButton> hold(&model_);
            RuntimeCallHandler([&] { hold->UserChoose(); });
        });
    }

    void Apply(Aspect aspect) override {
        CaptionedButtonView::Apply(aspect);
        if (aspect == Aspect::All || aspect == Aspect::Value) button_->setChecked(model_.Value());
    }

private:
    // The indicator, the space after it and two pixels to spare.
    int CaptionInset() const override {
        const QStyle *style = button_->style();
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button_) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button_) + 2;
    }
};

} // namespace

std::unique_ptr<ControlView> MakePushButtonView(PushButton &model, WindowView &window) {
    return std::make_unique<PushButtonView>(model, window);
}

std::unique_ptr<ControlView> MakeRadioButtonView(RadioButton &model, WindowView &window) {
    return std::make_unique<RadioButtonView>(model, window);
}

} // namespace fw::view
