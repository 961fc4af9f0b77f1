#include "framework/view/menu_view.h"

#include "framework/app_runtime.h"
#include "framework/view/qt_support.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace fw::view {

QKeySequence ShortcutFor(std::string_view shortcut) {
    if (shortcut.empty()) return {};
    QStringList parts = ToQt(shortcut).split(QLatin1Char('+'));
    // "Cmd++" names the plus key itself.
    if (parts.size() > 1 && parts.last().isEmpty()) {
        parts.removeLast();
        parts.last() = QStringLiteral("+");
    }
    QString key = parts.takeLast();
    QStringList modifiers;
    for (const QString &m : parts) {
        const QString word = m.trimmed().toLower();
        if (word == QLatin1String("cmd") || word == QLatin1String("command") || word == QLatin1String("ctrl") ||
            word == QLatin1String("control"))
            modifiers << QStringLiteral("Ctrl");
        else if (word == QLatin1String("option") || word == QLatin1String("alt"))
            modifiers << QStringLiteral("Alt");
        else if (word == QLatin1String("shift"))
            modifiers << QStringLiteral("Shift");
        else
            modifiers << m.trimmed();
    }
    if (modifiers.isEmpty()) modifiers << QStringLiteral("Ctrl");
    modifiers.removeDuplicates();
    return QKeySequence(modifiers.join(QLatin1Char('+')) + QLatin1Char('+') + key.trimmed(),
                        QKeySequence::PortableText);
}

namespace {

void AddEntries(QMenu &menu, MenuItem &parent, const WeakRef<Window> &window);

QAction *MakeAction(QWidget &owner, MenuItem &item, const WeakRef<Window> &window) {
    auto *action = new QAction(ToQt(item.Value().view()), &owner);
    action->setObjectName(ToQt(item.Name().view()));
    action->setShortcut(ShortcutFor(item.Shortcut().view()));
    action->setVisible(item.Visible());
    action->setEnabled(item.Enabled());
    Ref<MenuItem> hold(&item);
    QObject::connect(action, &QAction::triggered, action, [hold, window] {
        Ref<Window> front = window.Lock();
        RuntimeCallHandler([&] { DeliverMenuCommand(front.get(), *hold); });
    });
    return action;
}

void AddEntries(QMenu &menu, MenuItem &parent, const WeakRef<Window> &window) {
    for (const Ref<MenuItem> &child : parent.Children()) {
        if (child->IsSeparator()) {
            QAction *separator = menu.addSeparator();
            separator->setObjectName(ToQt(child->Name().view()));
            separator->setVisible(child->Visible());
        } else if (child->Count() > 0) {
            QMenu *sub = menu.addMenu(ToQt(child->Value().view()));
            sub->menuAction()->setObjectName(ToQt(child->Name().view()));
            sub->menuAction()->setVisible(child->Visible());
            sub->setEnabled(child->Enabled());
            AddEntries(*sub, *child, window);
        } else {
            menu.addAction(MakeAction(menu, *child, window));
        }
    }
}

} // namespace

void BuildMenuBar(QMenuBar &bar, MenuBar &menuBar, Window &window) {
    const WeakRef<Window> weak(&window);
    for (const Ref<MenuItem> &top : menuBar.Children()) {
        if (top->Count() == 0) {
            // A menu title without entries is a command of its own.
            if (!top->IsSeparator()) bar.addAction(MakeAction(bar, *top, weak));
            continue;
        }
        auto *menu = new QMenu(ToQt(top->Value().view()), &bar);
        menu->menuAction()->setObjectName(ToQt(top->Name().view()));
        menu->setObjectName(ToQt(top->Name().view()));
        menu->menuAction()->setVisible(top->Visible());
        menu->setEnabled(top->Enabled());
        AddEntries(*menu, *top, weak);
        bar.addMenu(menu);
    }
}

namespace {
void AddShortcutEntries(QWidget &owner, MenuItem &parent, const WeakRef<Window> &window, QList<QAction *> &made) {
    for (const Ref<MenuItem> &child : parent.Children()) {
        if (child->IsSeparator()) continue;
        if (child->Count() > 0) {
            AddShortcutEntries(owner, *child, window, made);
        } else if (!child->Shortcut().empty()) {
            QAction *action = MakeAction(owner, *child, window);
            owner.addAction(action);
            made.append(action);
        }
    }
}
} // namespace

QList<QAction *> AddShortcutActions(QWidget &owner, MenuBar &menuBar, Window &window) {
    QList<QAction *> made;
    AddShortcutEntries(owner, menuBar, WeakRef<Window>(&window), made);
    return made;
}

bool ShortcutTaken(const QList<QAction *> &actions, const QKeyEvent &event) {
    const QKeySequence pressed(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    for (const QAction *action : actions)
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) return true;
    return false;
}

Ref<MenuItem> PopUpMenu(MenuItem &item, const QPoint *at) {
    EnsureApplication();
    QMenu menu;
    Ref<MenuItem> chosen;
    std::vector<std::pair<QAction *, Ref<MenuItem>>> map;
    for (const Ref<MenuItem> &child : item.Children()) {
        if (child->IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction *a = menu.addAction(ToQt(child->Value().view()));
        a->setEnabled(child->Enabled());
        a->setVisible(child->Visible());
        map.emplace_back(a, child);
    }
    QAction *picked = menu.exec(at ? *at : QCursor::pos());
    for (auto &[action, child] : map)
        if (action == picked) chosen = child;
    return chosen;
}

} // namespace fw::view
