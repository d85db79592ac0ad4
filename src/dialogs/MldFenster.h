#pragma once

#include "AntwortDialog.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace zafku {

// The game's general message window: text, caption and one or two buttons per call.
class MldFenster : public AntwortDialog {
    Q_OBJECT
  public:
    explicit MldFenster(QWidget* parent = nullptr);

    // Lines of text are separated by a single carriage return. Shows the window modally
    // and returns once a button was pressed; antwort() then holds its caption without "&".
    // An empty knopf caption leaves that button hidden.
    void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                      const QString& titel);

    // Sizes the window for the message without showing it.
    void bereiteVor(const QString& text, const QString& knopf1, const QString& knopf2,
                    const QString& titel);

  private:
    void knopfGedrueckt(QPushButton* knopf);

    QGroupBox* mldFrame_;
    QLabel* meldung_;
    QPushButton* btn1_;
    QPushButton* btn2_;
};

} // namespace zafku
