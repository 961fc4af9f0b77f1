#include "framework/view/control_views.h"
#include "framework/view/picture_image.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QLabel>
#include <QPainter>
#include <QPen>

namespace fw::view {

namespace {

class LabelView : public ControlView {
public:
    LabelView(Label &model, WindowView &window)
        : ControlView(model, window), model_(model), label_(new QLabel(window.Content())) {
        label_->setTextFormat(Qt::PlainText); // the program's text is never markup
        SetWidget(label_);
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Text) label_->setText(ToQtLines(model_.Value().view()));
        if (all || aspect == Aspect::Font || aspect == Aspect::Text || aspect == Aspect::Geometry ||
            aspect == Aspect::Behaviour) {
            label_->setFont(MakeFont(model_));
            Window().FitCaptions(); // a single line is fitted with the window's other captions
        }
        if (all || aspect == Aspect::Colour) {
            QPalette palette = label_->palette();
            palette.setColor(QPalette::WindowText, ToQt(model_.TextColor()));
            label_->setPalette(palette);
        }
        if (all || aspect == Aspect::Behaviour) {
            label_->setWordWrap(model_.Multiline());
            label_->setAlignment(HorizontalAlignment(model_.TextAlignment()) |
                                 (model_.Multiline() ? Qt::AlignTop : Qt::AlignVCenter));
            label_->setTextInteractionFlags(
                model_.Selectable() ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard : Qt::NoTextInteraction);
        }
    }

    std::optional<FixedCaption> Caption() const override {
        if (model_.Multiline()) return std::nullopt;
        return FixedCaption{MakeFont(model_), label_->text(), label_->width()};
    }

private:
    Label &model_;
    QLabel *label_;
};

// Paints the backdrop; presses go on to the window.
class CanvasWidget : public QWidget {
public:
    CanvasWidget(Canvas &model, QWidget *parent) : QWidget(parent), model_(&model) {}
    Canvas *model_;

protected:
    void paintEvent(QPaintEvent *) override {
        if (!model_ || !model_->Backdrop() || !model_->Backdrop()->image()) return;
        QPainter painter(this);
        painter.drawImage(0, 0, model_->Backdrop()->image()->image);
    }
};

class CanvasView : public ControlView {
public:
    CanvasView(Canvas &model, WindowView &window)
        : ControlView(model, window), model_(model), canvas_(new CanvasWidget(model, window.Content())) {
        SetWidget(canvas_);
    }
    ~CanvasView() override {
        if (Widget()) canvas_->model_ = nullptr;
    }

    void Apply(Aspect aspect) override {
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Behaviour)
            canvas_->setFocusPolicy(model_.AllowFocus() ? Qt::StrongFocus : Qt::NoFocus);
        ControlView::Apply(aspect);
        if (all || aspect == Aspect::Backdrop) canvas_->update();
    }

private:
    Canvas &model_;
    CanvasWidget *canvas_;
};

class LineWidget : public QWidget {
public:
    using QWidget::QWidget;
    QPointF from, to;
    double thickness = 1;
    QColor colour;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, from.x() != to.x() && from.y() != to.y());
        QPen pen(colour, thickness, Qt::SolidLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
};

class LineView : public ControlView {
public:
    LineView(Line &model, WindowView &window)
        : ControlView(model, window), model_(model), line_(new LineWidget(window.Content())) {
        line_->setAttribute(Qt::WA_TransparentForMouseEvents);
        line_->setFocusPolicy(Qt::NoFocus);
        SetWidget(line_);
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Geometry) {
            const double pad = model_.Thickness() / 2 + 1;
            const QRectF box = QRectF(QPointF(model_.X1(), model_.Y1()), QPointF(model_.X2(), model_.Y2()))
                                   .normalized()
                                   .adjusted(-pad, -pad, pad, pad);
            const QRect area = box.toAlignedRect();
            line_->setGeometry(area);
            line_->from = QPointF(model_.X1(), model_.Y1()) - area.topLeft();
            line_->to = QPointF(model_.X2(), model_.Y2()) - area.topLeft();
            line_->thickness = model_.Thickness();
            line_->update();
        }
        if (all || aspect == Aspect::Colour) {
            line_->colour = ToQt(model_.LineColor());
            line_->update();
        }
    }

private:
    Line &model_;
    LineWidget *line_;
};

} // namespace

std::unique_ptr<ControlView> MakeLabelView(Label &model, WindowView &window) {
    return std::make_unique<LabelView>(model, window);
}
std::unique_ptr<ControlView> MakeCanvasView(Canvas &model, WindowView &window) {
    return std::make_unique<CanvasView>(model, window);
}
std::unique_ptr<ControlView> MakeLineView(Line &model, WindowView &window) {
    return std::make_unique<LineView>(model, window);
}

} // namespace fw::view
