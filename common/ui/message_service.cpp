#include "ui/message_service.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/error_form.h"

namespace orvant::ui {

namespace {

class MessageBoxes final : public MessageService {
public:
    Answer show(const Message& m) override
    {
        const QString title = QApplication::applicationDisplayName();
        switch (m.kind) {
        case MessageKind::Information: QMessageBox::information(m.parent, title, m.text); return Answer::Ok;
        case MessageKind::Warning: QMessageBox::warning(m.parent, title, m.text); return Answer::Ok;
        case MessageKind::Error: QMessageBox::critical(m.parent, title, m.text); return Answer::Ok;
        case MessageKind::Plain: {
            QMessageBox box(QMessageBox::NoIcon, title, m.text, QMessageBox::Ok, m.parent);
            box.exec();
            return Answer::Ok;
        }
        case MessageKind::Question: return ask(m, title);
        }
        return Answer::Ok;
    }

    void showErrorForm(ErrorForm& form, const ErrorReport&) override { form.exec(); }

private:
    static Answer ask(const Message& m, const QString& title)
    {
        const auto buttons = QMessageBox::Yes | QMessageBox::No | (m.withCancel ? QMessageBox::Cancel : QMessageBox::NoButton);
        switch (QMessageBox::question(m.parent, title, m.text, buttons, QMessageBox::No)) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return Answer::No;
        }
    }
};

MessageService*& current()
{
    static MessageBoxes boxes;
    static MessageService* service = &boxes;
    return service;
}

}  // namespace

MessageService& Messages() { return *current(); }

MessageServiceScope::MessageServiceScope(MessageService& service) : former_(current()) { current() = &service; }

MessageServiceScope::~MessageServiceScope() { current() = former_; }

}  // namespace orvant::ui
