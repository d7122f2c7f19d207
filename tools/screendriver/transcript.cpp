#include "transcript.h"

#include "script.h"

namespace orvant::screendriver {

void Transcript::step(const Step& step) { write(QStringLiteral("[%1] %2").arg(step.line).arg(step.text)); }

void Transcript::event(const QString& text) { write(QStringLiteral("    ") + text); }

void Transcript::note(const QString& text) { write(text); }

// Flushed line by line, so that a screen that hangs still shows how far it got.
void Transcript::write(const QString& line) { out_ << line.toStdString() << std::endl; }

}  // namespace orvant::screendriver
