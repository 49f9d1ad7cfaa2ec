#include "Counter.h"

#include <QAccessibleWidget>
#include <QStyle>
#include <QStyleOptionFrame>

#include "QtSupport.h"

namespace tavrelin::ui {

namespace {

// The counter as a screen reader sees it: a text that cannot be edited, its characters each at its
// place on the screen.
class CounterAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CounterAccessible(Counter* counter) : QAccessibleWidget(counter, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? Shown() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    // Nothing in it is selected, and its caret stays where the toolkit put it.
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int /*position*/) override {}

    QString text(int startOffset, int endOffset) const override
    {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount()) {
            return {};
        }
        const QRect place = Box()->TextRect(offset, offset + 1);
        return {Box()->mapToGlobal(place.topLeft()), place.size()};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = Box()->mapFromGlobal(point);
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (Box()->TextRect(offset, offset + 1).contains(local)) {
                return offset;
            }
        }
        return -1;
    }

    // The whole number is always in sight, in the counter's one font.
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    Counter* Box() const { return static_cast<Counter*>(widget()); }
    QString Shown() const { return Box()->text(); }
};

}  // namespace

Counter::Counter(QWidget* parent) : QLineEdit(parent)
{
    QAccessible::installFactory(AccessibleFactory<Counter, CounterAccessible>);
    setAlignment(Qt::AlignCenter);
}

QRect Counter::TextRect(int start, int end) const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    const QFontMetrics metrics = fontMetrics();
    const QString shown = text();
    // The toolkit draws the line at its alignment in the box, inside a margin of the same width on
    // either side, so that a centred line stands at the centre of the box's contents.
    const QRect line = QStyle::alignedRect(layoutDirection(), alignment(),
                                           QSize(metrics.horizontalAdvance(shown), metrics.height()), contents);
    return {line.left() + metrics.horizontalAdvance(shown.left(start)), line.top(),
            metrics.horizontalAdvance(shown.mid(start, end - start)), line.height()};
}

}  // namespace tavrelin::ui
