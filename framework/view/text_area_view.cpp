#include "framework/app_runtime.h"
#include "framework/view/control_views.h"
#include "framework/view/edit_commands.h"
#include "framework/view/qt_support.h"
#include "framework/view/text_area_edits.h"
#include "framework/view/window_view.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace fw::view {

namespace {

class TextAreaView;

// The text area's widget: a plain-text editor, which lays out only what it
// shows and still takes character formats (bold runs). Pasted and dropped
// text arrives plain, and the widget catches up with the model before it is
// shown or touched.
class AreaWidget : public QPlainTextEdit {
public:
    AreaWidget(TextAreaView *view, QWidget *parent) : QPlainTextEdit(parent), view_(view) {}
    TextAreaView *view_;

protected:
    void showEvent(QShowEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

// Sets a flag for the life of a scope and puts back what it was.
class FlagScope {
public:
    explicit FlagScope(bool &flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = was_; }
    FlagScope(const FlagScope &) = delete;
    FlagScope &operator=(const FlagScope &) = delete;

private:
    bool &flag_;
    bool was_;
};

class TextAreaView : public ControlView {
public:
    TextAreaView(TextArea &model, WindowView &window)
        : ControlView(model, window), model_(model), edit_(new AreaWidget(this, window.Content())) {
        SetWidget(edit_);
        QTextDocument *document = edit_->document();
        QObject::connect(document, &QTextDocument::contentsChange, edit_,
                         [this](int position, int removed, int added) { OnContentsChange(position, removed, added); });
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] { OnUserChange(); });
    }
    ~TextAreaView() override {
        if (Widget()) edit_->view_ = nullptr;
    }

    void Apply(Aspect aspect) override {
        if (aspect == Aspect::Text) {
            NoteNewText();
            return;
        }
        // What the program sets is no edit of the user's.
        FlagScope syncing(syncing_);
        ControlView::Apply(aspect);
        const bool all = aspect == Aspect::All;
        if (all) NoteNewText();
        if (aspect == Aspect::Style && !stale_) {
            if (appliedRuns_) {
                stale_ = true; // earlier runs must go: show the text anew
                EnsureSynced();
            } else {
                ApplyRuns();
            }
        }
        if (all || aspect == Aspect::Font) {
            // The matrix fields set their font at every key: the same font
            // must not lay the whole text out anew.
            const QFont font = MakeFont(model_);
            if (all || !(font == edit_->font())) edit_->setFont(font);
        }
        if (all || aspect == Aspect::Colour) {
            QPalette palette = edit_->palette();
            palette.setColor(QPalette::Base, ToQt(model_.BackgroundColor()));
            palette.setColor(QPalette::Text, ToQt(model_.TextColor()));
            edit_->setPalette(palette);
        }
        if (all || aspect == Aspect::Frame) {
            edit_->setFrameShape(model_.HasBorder() ? QFrame::StyledPanel : QFrame::NoFrame);
            edit_->setLineWrapMode(model_.HasHorizontalScrollbar() ? QPlainTextEdit::NoWrap
                                                                   : QPlainTextEdit::WidgetWidth);
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
        FlagScope syncing(syncing_);
        stale_ = false;
        edit_->setPlainText(ToQtLines(model_.Text().view()));
        edits_.Restart(model_.Text());
        appliedRuns_ = false;
        ApplyRuns();
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

    // Only noted here: a hidden area (the program's scratch buffer) may be
    // written thousands of times and is never drawn.
    void NoteNewText() {
        stale_ = true;
        if (edit_->isVisible()) ScheduleSync();
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
        FlagScope syncing(syncing_);
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
    }

    // Each change of the document, as it happens; OnUserChange follows.
    void OnContentsChange(int position, int removed, int added) {
        if (syncing_ || !Widget()) return;
        // A widget behind the model (never so for what the user does: every
        // way in catches up first) is read back whole.
        if (stale_) edits_.Lose();
        edits_.Change(*edit_->document(), position, removed, added);
    }

    void OnUserChange() {
        if (syncing_ || trimming_ || !Widget()) return;
        if (RoomLeft() < 0) {
            // Typed or pasted past the limit: the excess before the cursor goes.
            FlagScope trimming(trimming_);
            QTextCursor cursor = edit_->textCursor();
            const int excess = static_cast<int>(-RoomLeft());
            cursor.setPosition(std::max(0, cursor.position() - excess), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        Ref<TextArea> hold(&model_);
        if (std::optional<String> edited = edits_.Take()) {
            if (!(*edited == model_.Text())) RuntimeCallHandler([&] { hold->UserEditedText(*std::move(edited)); });
        } else {
            // Read back whole, and followed again from here. Nothing of the
            // view's after the handler: it may close the window.
            String text = NormaliseLineEnds(FromQt(edit_->document()->toRawText()).view());
            edits_.Restart(text);
            if (!(text == model_.Text())) RuntimeCallHandler([&] { hold->UserEditedText(std::move(text)); });
        }
    }

    TextArea &model_;
    AreaWidget *edit_;
    TextAreaEdits edits_;
    bool stale_ = false;
    bool syncing_ = false;  // the program, not the user, is changing the widget
    bool trimming_ = false; // cutting what went past the length limit
    bool syncPending_ = false;
    bool appliedRuns_ = false;
};

void AreaWidget::showEvent(QShowEvent *event) {
    if (view_) view_->EnsureSynced();
    QPlainTextEdit::showEvent(event);
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
