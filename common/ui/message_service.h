#pragma once
// Every message a screen shows goes through one service: an information, a warning, an error,
// a plain text or a question, and the error form. Screens never open message boxes
// themselves, so tests and the screen driver put a recorder in its place and answer for the
// user.

#include <QString>

class QWidget;

namespace orvant::ui {

enum class MessageKind { Information, Warning, Error, Plain, Question };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    MessageKind kind = MessageKind::Information;
    QString text;
    int number = -1;  // message N of the form's list, when it is one
    QWidget* parent = nullptr;
    bool withCancel = false;  // a question answered Yes, No or Cancel
};

// What the error form shows.
struct ErrorReport {
    QString category, code, message;
};

class ErrorForm;

class MessageService {
public:
    virtual ~MessageService() = default;
    // Information, warning, error and plain texts answer Ok; a question Yes, No or Cancel.
    virtual Answer show(const Message& message) = 0;
    // The error form, already filled with the report, shown modally.
    virtual void showErrorForm(ErrorForm& form, const ErrorReport& report) = 0;
};

// The service in use: message boxes, unless one was put in its place.
MessageService& Messages();

// Puts a service in place for as long as the scope lasts, then gives the former one back.
class MessageServiceScope {
public:
    explicit MessageServiceScope(MessageService& service);
    ~MessageServiceScope();
    MessageServiceScope(const MessageServiceScope&) = delete;
    MessageServiceScope& operator=(const MessageServiceScope&) = delete;

private:
    MessageService* former_;
};

}  // namespace orvant::ui
