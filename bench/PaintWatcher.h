#pragma once

#include <cstdio>
#include <set>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

namespace tavrelin::bench {

// Notes when each of a set of widgets has painted since the watcher was last reset.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(const std::vector<QWidget*>& widgets) : widgets_(widgets)
    {
        for (QWidget* widget : widgets_) {
            widget->installEventFilter(this);
        }
    }

    void Reset() { painted_.clear(); }
    bool AllPainted() const { return painted_.size() == widgets_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            painted_.insert(watched);
        }
        return false;
    }

private:
    std::vector<QWidget*> widgets_;
    std::set<QObject*> painted_;
};

// The process's peak resident memory so far, in KiB.
inline long PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Shows the window and runs the toolkit until every one of the widgets has painted once, then
// prints the process's peak memory. The caller times the whole process.
inline int ShowUntilPainted(QWidget& window, const std::vector<QWidget*>& widgets)
{
    PaintWatcher watcher(widgets);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&watcher] {
        if (watcher.AllPainted()) {
            QApplication::quit();
        }
    });
    poll.start(0);
    window.show();
    const int status = QApplication::exec();
    std::printf("peak_kib=%ld\n", PeakMemoryKiB());
    return status;
}

}  // namespace tavrelin::bench
