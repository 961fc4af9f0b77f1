#include "framework/app_runtime.h"
#include "framework/view/control_views.h"
#include "framework/view/edit_commands.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QLineEdit>

#include <algorithm>

namespace fw::view {

namespace {

class TextFieldView : public ControlView {
public:
    TextFieldView(TextField &model, WindowView &window)
        : ControlView(model, window), model_(model), edit_(new QLineEdit(window.Content())) {
        SetWidget(edit_);
        // Edited by the user: typing, pasting, cutting, undoing.
        QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString &text) { OnUserEdit(text); });
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Text) {
            const QString text = ToQtLines(model_.Text().view());
            if (edit_->text() != text) edit_->setText(text);
            accepted_ = text;
        }
        if (all || aspect == Aspect::Font) edit_->setFont(MakeFont(model_));
        if (all || aspect == Aspect::Colour) {
            QPalette palette = edit_->palette();
            palette.setColor(QPalette::Base, ToQt(model_.BackgroundColor()));
            palette.setColor(QPalette::Text, ToQt(model_.TextColor()));
            edit_->setPalette(palette);
        }
        if (all || aspect == Aspect::Frame) edit_->setFrame(model_.HasBorder());
        if (all || aspect == Aspect::Behaviour) {
            edit_->setReadOnly(model_.ReadOnly());
            edit_->setEchoMode(model_.Password() ? QLineEdit::Password : QLineEdit::Normal);
            edit_->setPlaceholderText(ToQt(model_.Hint().view()));
            edit_->setAlignment(HorizontalAlignment(model_.TextAlignment()) | Qt::AlignVCenter);
        }
    }

    bool EditCommand(std::string_view name) override {
        return RunEditCommand(*edit_, name, [this] {
            if (edit_->hasSelectedText()) edit_->del();
        });
    }

private:
    // What the user types, pastes or drops must fit the mask and the length
    // limit; text set in code may not fit, and the user can still delete
    // from it. A paste over a selection is no deletion, however short.
    void OnUserEdit(const QString &text) {
        const bool fits =
            TextFitsMask(FromQt(text).view(), model_.ValidationMask().view(), model_.MaximumCharactersAllowed());
        if (!fits && !IsDeletion(accepted_, text)) {
            const int cursor = edit_->cursorPosition() - static_cast<int>(text.size() - accepted_.size());
            edit_->setText(accepted_);
            edit_->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(accepted_.size())));
            return;
        }
        accepted_ = text;
        Ref<TextField> hold(&model_);
        RuntimeCallHandler([&] { hold->UserChangedText(FromQt(text)); });
    }

    // Whether `after` is `before` with one run of characters taken out.
    static bool IsDeletion(const QString &before, const QString &after) {
        if (after.size() >= before.size()) return false;
        qsizetype common = 0;
        while (common < after.size() && after[common] == before[common])
            ++common;
        return before.endsWith(QStringView(after).mid(common));
    }

    TextField &model_;
    QLineEdit *edit_;
    QString accepted_; // the text as last set in code or accepted from the user
};

} // namespace

std::unique_ptr<ControlView> MakeTextFieldView(TextField &model, WindowView &window) {
    return std::make_unique<TextFieldView>(model, window);
}

} // namespace fw::view
