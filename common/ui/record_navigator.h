#pragma once
// The record navigator of the screens that browse and edit records one at a time: first, prior,
// next, last, insert, delete, edit, save, cancel and, on some screens, refresh. While browsing the
// moves, insert, delete, edit and refresh are on; while a record is typed only save and cancel.

#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>

class QPushButton;

namespace orvant::ui {

enum class NavigatorButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

class RecordNavigator : public QWidget {
public:
    // Named `objectName`, the name the language tables give the navigator; `pressed` runs guarded.
    RecordNavigator(QWidget* parent, const char* objectName, bool withRefresh, std::function<void(NavigatorButton)> pressed);

    // The buttons' hints, in their order.
    void setHints(const QStringList& hints);
    void setBrowsing(bool browsing);
    QPushButton* button(NavigatorButton which) const { return buttons_.at(which); }

private:
    std::map<NavigatorButton, QPushButton*> buttons_;
};

// The navigator's button a key stands for while browsing, if any: Up and PageUp the prior
// record, Down and PageDown the next, Home the first, End the last, Insert and Delete.
bool BrowseKeyButton(int key, NavigatorButton& which);

}  // namespace orvant::ui
