#pragma once
// The record navigator of the cheque screens: first, prior, next, last, insert, delete, edit,
// save, cancel and refresh, under the name the language tables give a navigator (its buttons'
// hints are the lines of its row). While browsing the moves, insert, delete and edit are on;
// while a cheque is typed only save and cancel.

#include <QWidget>
#include <functional>
#include <map>

class QPushButton;

namespace orvant::chequescreen {

enum class NavigatorButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };

class RecordNavigator : public QWidget {
public:
    RecordNavigator(QWidget* parent, std::function<void(NavigatorButton)> pressed);

    void setBrowsing(bool browsing);
    QPushButton* button(NavigatorButton which) const { return buttons_.at(which); }

private:
    std::map<NavigatorButton, QPushButton*> buttons_;
};

// The navigator's button a key stands for while browsing, if any: Up and PageUp the prior
// cheque, Down and PageDown the next, Home the first, End the last, Insert and Delete.
bool BrowseKeyButton(int key, NavigatorButton& which);

}  // namespace orvant::chequescreen
