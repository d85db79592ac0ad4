#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace zafku {

// A host file or database that cannot be used: the game shows the German text in a
// "Laufzeitfehler" message and ends with a non-zero exit code.
class LaufzeitFehler : public std::exception {
  public:
    explicit LaufzeitFehler(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString text_;
    QByteArray utf8_;
};

} // namespace zafku
