#pragma once

#include "eigene/EigeneDatei.h"
#include "eigene/Pruefstand.h"

#include <QDialog>
#include <QSize>

#include <memory>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace zafku::woerter {

// The teacher types the words of the week, sees the proposed spots and every finding,
// unticks what does not fit and saves: the game then offers them as the words of the week.
class WoerterFrm : public QDialog {
    Q_OBJECT
  public:
    // The window's size at the game's size factor 1.
    static constexpr QSize kEntwurf{760, 640};

    WoerterFrm(const QString& hostDir, const QString& wortliste, QWidget* parent = nullptr);
    ~WoerterFrm() override;

    void pruefen();
    // False (with the reason shown) when nothing was saved.
    bool speichern();

    QPlainTextEdit* eingabe() const { return eingabe_; }
    QTreeWidget* ergebnis() const { return ergebnis_; }
    QCheckBox* behalten() const { return behaltenBox_; }

  private:
    QList<eigene::PruefWort> gewaehlteWoerter() const;
    void zeigeBefunde();

    QString hostDir_;
    std::unique_ptr<eigene::Pruefstand> stand_;
    eigene::EigeneListe liste_;
    QList<eigene::Eingabe> eingaben_;
    QList<QList<eigene::Vorschlag>> vorschlaege_;
    QPlainTextEdit* eingabe_ = nullptr;
    QTreeWidget* ergebnis_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* pruefenBtn_ = nullptr;
    QPushButton* speichernBtn_ = nullptr;
    QCheckBox* behaltenBox_ = nullptr;
};

} // namespace zafku::woerter
