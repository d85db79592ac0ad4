#pragma once

#include <QDialog>
#include <QString>

namespace zafku {

class HelpViewer;

// A dialog with its own topic in the game's help file: F1 opens it once a viewer is set.
class HilfeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HilfeDialog(long thema, QWidget* parent = nullptr) : QDialog(parent), thema_(thema) {}

    void setzeHilfe(HelpViewer* hilfe, const QString& hilfeDatei);

  protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    long thema_;
    HelpViewer* hilfe_ = nullptr;
    QString hilfeDatei_;
};

} // namespace zafku
