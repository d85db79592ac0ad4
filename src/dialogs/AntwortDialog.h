#pragma once

#include "HilfeDialog.h"

#include <QString>

class QPushButton;

namespace zafku {

// A modal dialog whose buttons leave their caption, without "&", as the answer. It is
// only hidden after use, so the answer can be read once exec() has returned.
class AntwortDialog : public HilfeDialog {
    Q_OBJECT
  public:
    explicit AntwortDialog(QWidget* parent = nullptr, long hilfeThema = 0)
        : HilfeDialog(hilfeThema, parent) {}

    void setzeAntwort(const QString& beschriftung);
    const QString& antwort() const { return antwort_; }

    // Closing the window any other way than by a button leaves no answer.
    void reject() override;

  protected:
    // The button Esc presses; without a visible one Esc does nothing.
    void setzeAbbrechenKnopf(QPushButton* knopf) { abbrechen_ = knopf; }
    void keyPressEvent(QKeyEvent* ereignis) override;
    // The button Enter presses. Focus on another button makes that one the default for the
    // moment, so every showing starts again on this one.
    void setzeStandardKnopf(QPushButton* knopf);
    void showEvent(QShowEvent* ereignis) override;

  private:
    QString antwort_;
    QPushButton* abbrechen_ = nullptr;
    QPushButton* standard_ = nullptr;
};

} // namespace zafku
