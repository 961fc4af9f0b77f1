#include "framework/app_runtime.h"
#include "framework/view/control_views.h"
#include "framework/view/edit_commands.h"
#include "framework/view/qt_support.h"
#include "framework/view/window_view.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace fw::view {

namespace {

class TextAreaView;

// The text area's widget: pasted and dropped text arrives plain, and the
// widget catches up with the model before it is shown or touched.
class AreaWidget : public QTextEdit {
public:
    AreaWidget(TextAreaView *view, QWidget *parent) : QTextEdit(parent), view_(view) {}
    TextAreaView *view_;

protected:
    void showEvent(QShowEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

class TextAreaView : public ControlView {
public:
    TextAreaView(TextArea &model, WindowView &window)
        : ControlView(model, window), model_(model), edit_(new AreaWidget(this, window.Content())) {
        edit_->setAcceptRichText(false);
        SetWidget(edit_);
        QObject::connect(edit_, &QTextEdit::textChanged, edit_, [this] { OnUserChange(); });
    }
    ~TextAreaView() override {
        if (Widget()) edit_->view_ = nullptr;
    }

    void Apply(Aspect aspect) override {
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all || aspect == Aspect::Text) {
            // Only noted here: a hidden area (the program's scratch buffer) may
            // be written thousands of times and is never drawn.
            stale_ = true;
            if (edit_->isVisible()) ScheduleSync();
        }
        if (aspect == Aspect::Style && !stale_) {
            if (appliedRuns_) {
                stale_ = true; // earlier runs must go: show the text anew
                EnsureSynced();
            } else {
                ApplyRuns();
            }
        }
        if (all || aspect == Aspect::Font) edit_->setFont(MakeFont(model_));
        if (all || aspect == Aspect::Colour) {
            QPalette palette = edit_->palette();
            palette.setColor(QPalette::Base, ToQt(model_.BackgroundColor()));
            palette.setColor(QPalette::Text, ToQt(model_.TextColor()));
            edit_->setPalette(palette);
        }
        if (all || aspect == Aspect::Frame) {
            edit_->setFrameShape(model_.HasBorder() ? QFrame::StyledPanel : QFrame::NoFrame);
            edit_->setLineWrapMode(model_.HasHorizontalScrollbar() ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
            edit_->setHorizontalScrollBarPolicy(model_.HasHorizontalScrollbar() ? Qt::ScrollBarAsNeeded
                                                                                : Qt::ScrollBarAlwaysOff);
            edit_->setVerticalScrollBarPolicy(model_.HasVerticalScrollbar() ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
        }
        if (all || aspect == Aspect::Behaviour) {
            edit_->setReadOnly(model_.ReadOnly());
            edit_->setTabChangesFocus(!model_.AllowTabs());
            QTextOption option = edit_->document()->defaultTextOption();
            option.setAlignment(HorizontalAlignment(model_.TextAlignment()));
            edit_->document()->setDefaultTextOption(option);
        }
    }

    void EnsureSynced() override {
        if (!stale_ || !Widget()) return;
        stale_ = false;
        quiet_ = true;
        edit_->setPlainText(ToQtLines(model_.Text().view()));
        appliedRuns_ = false;
        ApplyRuns();
        quiet_ = false;
    }

    bool EditCommand(std::string_view name) override {
        EnsureSynced();
        return RunEditCommand(*edit_, name, [this] {
            QTextCursor cursor = edit_->textCursor();
            if (cursor.hasSelection()) {
                cursor.removeSelectedText();
                edit_->setTextCursor(cursor);
            }
        });
    }

    void ScheduleSync() {
        if (syncPending_) return;
        syncPending_ = true;
        // Through the widget: the view may end before the timer runs.
        QTimer::singleShot(0, edit_, [edit = edit_] {
            if (TextAreaView *view = edit->view_) {
                view->syncPending_ = false;
                view->EnsureSynced();
            }
        });
    }

    int64_t RoomLeft() const {
        const int64_t limit = model_.MaximumCharactersAllowed();
        if (limit <= 0) return INT64_MAX;
        return limit - static_cast<int64_t>(edit_->document()->characterCount() - 1);
    }

private:
    // The document position of a character of the model text.
    int PositionOf(const QString &text, int64_t character) const {
        int at = 0;
        for (int64_t n = 0; n < character && at < text.size(); ++n)
            at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        return at;
    }

    void ApplyRuns() {
        StyledText *styled = model_.GetStyledText();
        if (styled->Runs().empty()) return;
        const bool wasQuiet = quiet_;
        quiet_ = true;
        const QString text = ToQtLines(model_.Text().view());
        for (const StyledText::Run &run : styled->Runs()) {
            QTextCursor cursor(edit_->document());
            cursor.setPosition(PositionOf(text, run.start));
            cursor.setPosition(PositionOf(text, run.start + run.length), QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            cursor.mergeCharFormat(format);
        }
        appliedRuns_ = true;
        quiet_ = wasQuiet;
    }

    void OnUserChange() {
        if (quiet_ || !Widget()) return;
        if (RoomLeft() < 0) {
            // Typed or pasted past the limit: the excess before the cursor goes.
            quiet_ = true;
            QTextCursor cursor = edit_->textCursor();
            const int excess = static_cast<int>(-RoomLeft());
            cursor.setPosition(std::max(0, cursor.position() - excess), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            quiet_ = false;
        }
        Ref<TextArea> hold(&model_);
        const String text = FromQt(edit_->document()->toRawText());
        RuntimeCallHandler([&] { hold->UserChangedText(text); });
    }

    TextArea &model_;
    AreaWidget *edit_;
    bool stale_ = false;
    bool quiet_ = false;
    bool syncPending_ = false;
    bool appliedRuns_ = false;
};

void AreaWidget::showEvent(QShowEvent *event) {
    if (view_) view_->EnsureSynced();
    QTextEdit::showEvent(event);
}

void AreaWidget::insertFromMimeData(const QMimeData *source) {
    // Qt's own check for a read-only area is in the method this replaces.
    if (!view_ || isReadOnly()) return;
    view_->EnsureSynced();
    if (!source || !source->hasText()) return;
    QString text = source->text();
    const int64_t left = view_->RoomLeft();
    if (left != INT64_MAX) {
        const int64_t room = left + textCursor().selectedText().size();
        if (room <= 0) return;
        if (text.size() > room) text.truncate(static_cast<int>(room));
    }
    textCursor().insertText(text);
    ensureCursorVisible();
}

} // namespace

std::unique_ptr<ControlView> MakeTextAreaView(TextArea &model, WindowView &window) {
    return std::make_unique<TextAreaView>(model, window);
}

} // namespace fw::view
