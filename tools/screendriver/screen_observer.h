#pragma once
// Watches the screen for the transcript: windows shown and closed, caption changes of shown
// windows, and focus moves.

#include <QObject>

class QWidget;

namespace orvant::screendriver {

class Transcript;

class ScreenObserver : public QObject {
public:
    // Watches for as long as it lives.
    explicit ScreenObserver(Transcript& transcript);
    ~ScreenObserver() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusMoved(QWidget* now);

    Transcript& transcript_;
};

}  // namespace orvant::screendriver
