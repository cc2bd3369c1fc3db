#pragma once

#include <QString>
#include <QStringList>

namespace tavolin {

// The messages shown during one user action. Handlers chain (a load runs the system's
// button, which runs "CALCUL"), and each would tell the same refusal again: within one
// action a message is shown at most once.
class ActionMessages {
public:
    // A handler starts and ends; the outermost one is a new user action.
    void enter() {
        if (depth_++ == 0) {
            shown_.clear();
        }
    }
    void leave() { --depth_; }

    // Whether `text` is still to be shown in this action; it counts as shown from now on.
    bool firstTime(const QString& text) {
        if (shown_.contains(text)) {
            return false;
        }
        shown_.append(text);
        return true;
    }

private:
    QStringList shown_;
    int depth_ = 0;
};

}  // namespace tavolin
