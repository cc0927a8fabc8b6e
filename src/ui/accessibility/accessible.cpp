#include "accessible.h"

#include "ui/accessibility/reach.h"
#include "ui/accessibility/reading.h"
#include "ui/controls/choicelist.h"
#include "ui/controls/clickarea.h"
#include "ui/controls/commandbutton.h"
#include "ui/controls/cornermarks.h"
#include "ui/controls/form.h"
#include "ui/controls/image.h"
#include "ui/controls/keyspanel.h"
#include "ui/controls/label.h"
#include "ui/layout/twips.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// A reader arriving at a text or a list reads its name and no description: there the words a
// screen gives it (what changed, which page) follow the name.
QString withWords(const QString& name, const QString& words)
{
    if (words.isEmpty() || words == name)
        return name;
    const bool stopped = !name.isEmpty() && QStringLiteral("。！？").contains(name.back());
    return name + (stopped ? QStringLiteral(" ") : QStringLiteral("、")) + words;
}

// The words a control carries beside its name: read once, as its name, when they are its name.
QString descriptionBeside(const QString& name, const QWidget& widget)
{
    const QString description = spokenText(widget.accessibleDescription());
    return description == name ? QString() : description;
}

// Reading order: lines of this height from the top, left to right within a line, as laid out.
constexpr double kReadingLineTwips = 450;  // 30 px

const Control* controlOf(const QObject* object)
{
    return dynamic_cast<const Control*>(object);
}

// Whether a screen reader hears of the widget. A picture says something only when it has a name
// (the others decorate or move about), and the sound control has no look. Decided by the layout,
// so the tree never changes under a reader.
bool isReported(const QWidget* widget)
{
    const Control* control = controlOf(widget);
    if (!control)
        return true;
    switch (control->row().kind) {
    case Kind::Image:
    case Kind::PictureBox: return !control->row().content.name.empty() || control->actsAsButton();
    case Kind::MediaPlayer: return false;
    default: return true;
    }
}

// A button heard as one of a list of choices: the list stands in its place in the tree.
bool isListed(const QWidget* widget)
{
    const Control* control = controlOf(widget);
    return control && !control->row().content.list.empty();
}

QPointF laidOutPlace(const QObject* object)
{
    if (auto* list = qobject_cast<const ChoiceList*>(object)) {
        const auto buttons = list->buttons();
        return buttons.empty() ? QPointF() : laidOutPlace(buttons.front());
    }
    if (const Control* control = controlOf(object))
        return {control->row().left, control->row().top};
    if (auto* widget = qobject_cast<const QWidget*>(object))
        return QPointF(widget->pos()) * kTwipsPerPixel;
    return {};
}

// The children a screen reader finds under a window or container, in reading order: its reported
// controls, with each list of choices in place of its buttons.
std::vector<QObject*> reportedChildren(const QWidget* parent)
{
    std::vector<QObject*> children;
    for (QObject* object : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if ((widget && !widget->isWindow() && isReported(widget) && !isListed(widget))
            || qobject_cast<ChoiceList*>(object))
            children.push_back(object);
    }
    std::stable_sort(children.begin(), children.end(), [](const QObject* a, const QObject* b) {
        const QPointF pa = laidOutPlace(a);
        const QPointF pb = laidOutPlace(b);
        const auto lineA = int(pa.y() / kReadingLineTwips);
        const auto lineB = int(pb.y() / kReadingLineTwips);
        return lineA != lineB ? lineA < lineB : pa.x() < pb.x();
    });
    return children;
}

// Shown, yet out of sight: cut away by its window or container (a page still below the window's
// edge), or lying under another control.
QAccessible::State placed(QAccessible::State state, const QWidget& widget)
{
    if (!state.invisible && !widget.isWindow() && (widget.visibleRegion().isEmpty() || isBuried(widget)))
        state.offscreen = true;
    return state;
}

// Windows, pictures, labels and containers: what each is, what it is called, and its children
// as the tree shows them.
class ControlAccessible : public QAccessibleWidget {
public:
    explicit ControlAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

    bool isValid() const override { return QAccessibleWidget::isValid() && isReported(widget()); }

    QAccessible::Role role() const override
    {
        if (widget()->isWindow())
            return QAccessible::Window;
        const Control* control = controlOf(widget());
        if (!control)
            return QAccessibleWidget::role();
        if (control->actsAsButton())
            return control->row().content.toggle ? QAccessible::CheckBox : QAccessible::PushButton;
        switch (control->row().kind) {
        case Kind::Label: return QAccessible::StaticText;
        case Kind::Image:
        case Kind::PictureBox: return QAccessible::Graphic;
        case Kind::Frame: return QAccessible::Pane;
        default: return QAccessibleWidget::role();
        }
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString name = spokenText(QAccessibleWidget::text(QAccessible::Name));
        const bool text = qobject_cast<const Label*>(widget()) != nullptr;
        if (kind == QAccessible::Description)
            return text ? QString() : descriptionBeside(name, *widget());
        if (kind == QAccessible::Name)
            return text ? withWords(name, spokenText(widget()->accessibleDescription())) : name;
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (auto* image = qobject_cast<const Image*>(widget()); image && image->row().content.toggle) {
            state.checkable = true;
            state.checked = image->isChecked();
        }
        // A label without a caption shows nothing to read.
        if (auto* label = qobject_cast<const Label*>(widget()); label && label->caption().isEmpty())
            state.invisible = true;
        return placed(state, *widget());
    }

    int childCount() const override { return int(reportedChildren(widget()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto children = reportedChildren(widget());
        if (index < 0 || index >= int(children.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[std::size_t(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        const auto children = reportedChildren(widget());
        const auto found = std::find(children.begin(), children.end(), child->object());
        return found == children.end() ? -1 : int(found - children.begin());
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        // Topmost first, as a click would find it.
        const QObjectList& stack = widget()->children();
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
            auto* child = qobject_cast<QWidget*>(*it);
            if (!child || child->isWindow() || child->isHidden())
                continue;
            if (!isReported(child))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
            if (iface && iface->rect().contains(x, y))
                return isListed(child) ? iface->parent() : iface;
        }
        return nullptr;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (clicks()) {
            if (controlOf(widget())->row().content.toggle)
                names << toggleAction();
            names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        auto* area = qobject_cast<ClickArea*>(widget());
        if (area && clicks() && (action == pressAction() || action == toggleAction())) {
            // As a click: nothing happens unless the control is shown.
            if (area->isVisible())
                area->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    bool clicks() const
    {
        const Control* control = controlOf(widget());
        return control && control->actsAsButton();
    }
};

// The passage of a list that holds line `row`, if any: a reader hears sentences, not lines.
const Passage* passageHolding(const std::vector<Passage>& passages, int row)
{
    for (const Passage& p : passages)
        if (row >= p.firstLine && row <= p.lastLine)
            return &p;
    return nullptr;
}

// One line of a list, read as the whole sentence it begins. It is showing only while the list is
// on the screen, the line lies in the part of the list that can be seen, and it begins a sentence
// (or is the current line): a blank line, or one that only goes on with a sentence, is not read.
class ListItemAccessible : public QAccessibleInterface {
public:
    ListItemAccessible(QListWidget* view, int row) : m_view(view), m_row(row) {}

    bool isValid() const override { return m_view && m_row < m_view->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        const auto passages = passagesOf(lines());
        const Passage* passage = passageHolding(passages, m_row);
        return passage ? passage->text : QString();
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const auto passages = passagesOf(lines());
        const Passage* passage = passageHolding(passages, m_row);
        QRect inView = m_view->visualItemRect(m_view->item(m_row));
        if (passage && passage->firstLine == m_row)
            inView |= m_view->visualItemRect(m_view->item(passage->lastLine));
        return QRect(m_view->viewport()->mapToGlobal(inView.topLeft()), inView.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        QListWidgetItem* item = m_view->item(m_row);
        const QRect inView = m_view->visualItemRect(item);
        // The part of the list its window, its containers and the controls over it leave in sight:
        // nothing while the list or a container holding it is hidden.
        const QRegion seen = m_view->viewport()->visibleRegion();
        const QWidget* window = m_view->window();
        const QRect inWindow(m_view->viewport()->mapTo(window, inView.topLeft()), inView.size());
        const auto passages = passagesOf(lines());
        const Passage* passage = passageHolding(passages, m_row);
        const bool current = m_view->currentRow() == m_row;
        if (!seen.intersects(inView) || !seenPart(*m_view).intersects(inWindow) || !passage
            || (passage->firstLine != m_row && !current))
            state.invisible = true;
        state.selectable = true;
        state.selected = item->isSelected();
        state.focusable = true;
        state.focused = m_view->hasFocus() && current;
        return state;
    }

    int row() const { return m_row; }
    const QListWidget* view() const { return m_view; }

private:
    QStringList lines() const
    {
        QStringList result;
        for (int i = 0; i < m_view->count(); ++i)
            result << m_view->item(i)->text();
        return result;
    }

    QPointer<QListWidget> m_view;
    int m_row;
};

// A list box, named by what it holds, with one item per line.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QListWidget* view) : QAccessibleWidget(view, QAccessible::List) {}

    ~ListAccessible() override
    {
        for (QAccessible::Id id : m_items)
            QAccessible::deleteAccessibleInterface(id);
    }

    QAccessible::State state() const override { return placed(QAccessibleWidget::state(), *widget()); }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return withWords(spokenText(widget()->accessibleName()), spokenText(widget()->accessibleDescription()));
        if (kind == QAccessible::Description)
            return {};
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return view()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= view()->count())
            return nullptr;
        // One interface per line number for the list's whole life: a refilled list reads its new
        // lines through the same objects.
        while (int(m_items.size()) <= index) {
            auto* item = new ListItemAccessible(view(), int(m_items.size()));
            m_items.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(m_items[std::size_t(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* item = dynamic_cast<const ListItemAccessible*>(child);
        return item && item->view() == view() && item->row() < view()->count() ? item->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint inView = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(inView);
        return index.isValid() ? child(index.row()) : nullptr;
    }

private:
    QListWidget* view() const { return static_cast<QListWidget*>(widget()); }

    mutable std::vector<QAccessible::Id> m_items;
};

// A list of choices: named, holding its buttons in reading order, showing while any of them is.
class ChoiceListAccessible : public QAccessibleObject {
public:
    explicit ChoiceListAccessible(ChoiceList* list) : QAccessibleObject(list) {}

    QWindow* window() const override
    {
        const auto buttons = list()->buttons();
        return buttons.empty() ? nullptr : buttons.front()->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list()->parent()); }
    QAccessible::Role role() const override { return QAccessible::List; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? list()->name() : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const auto buttons = list()->buttons();
        state.invisible = std::none_of(buttons.begin(), buttons.end(), [](QWidget* b) { return b->isVisible(); });
        state.offscreen = std::all_of(buttons.begin(), buttons.end(), [](QWidget* b) {
            return QAccessible::queryAccessibleInterface(b)->state().offscreen;
        });
        return state;
    }

    QRect rect() const override
    {
        QRect whole;
        for (QAccessibleInterface* choice : choices())
            whole |= choice->rect();
        return whole;
    }

    int childCount() const override { return int(list()->buttons().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const auto all = choices();
        return index >= 0 && index < int(all.size()) ? all[std::size_t(index)] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto all = choices();
        const auto found = std::find(all.begin(), all.end(), child);
        return found == all.end() ? -1 : int(found - all.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (QAccessibleInterface* choice : choices())
            if (!choice->state().invisible && choice->rect().contains(x, y))
                return choice;
        return nullptr;
    }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(object()); }
    std::vector<QAccessibleInterface*> choices() const
    {
        std::vector<QAccessibleInterface*> all;
        for (QAbstractButton* button : list()->buttons())
            all.push_back(QAccessible::queryAccessibleInterface(button));
        return all;
    }
};

// One choice of a list: an item of it that is pressed as a button is.
class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::ListItem) {}

    QAccessibleInterface* parent() const override
    {
        if (ChoiceList* list = ChoiceList::holding(widget()))
            return QAccessible::queryAccessibleInterface(list);
        return QAccessibleWidget::parent();
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString name = spokenText(widget()->accessibleName());
        if (kind == QAccessible::Name)
            return name;
        if (kind == QAccessible::Description)
            return descriptionBeside(name, *widget());
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override { return placed(QAccessibleWidget::state(), *widget()); }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        auto* button = static_cast<QAbstractButton*>(widget());
        if (action == pressAction()) {
            if (button->isVisible() && button->isEnabled())
                button->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object)
{
    // Matched by the object's Qt class, not by the class name asked for: a control announces
    // changes while it is still being built, and the interface made then stays with it. The
    // program's lists are all list boxes; its buttons are Qt's own, but for the choices of a list.
    if (auto* list = qobject_cast<QListWidget*>(object))
        return new ListAccessible(list);
    if (qobject_cast<Form*>(object) || qobject_cast<ClickArea*>(object))
        return new ControlAccessible(static_cast<QWidget*>(object));
    if (auto* choices = qobject_cast<ChoiceList*>(object))
        return new ChoiceListAccessible(choices);
    if (auto* button = qobject_cast<CommandButton*>(object); button && isListed(button))
        return new ChoiceAccessible(button);
    if (auto* marks = qobject_cast<CornerMarks*>(object))
        return new QAccessibleWidget(marks, QAccessible::StaticText);
    if (auto* panel = qobject_cast<KeysPanel*>(object))
        return new QAccessibleWidget(panel, QAccessible::Dialog);
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(&makeInterface);
}

}  // namespace ui
