#pragma once

#include <QDialog>

#include <functional>

class QGroupBox;
class QLabel;
class QTimer;

namespace zafku {

// The small window that asks the players to wait while the computer makes its move.
class CompZugFrm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kTakt = 200;

    explicit CompZugFrm(QWidget* parent = nullptr);

    // Shows the window modally and calls tick every 200 ms until it returns true.
    void zeige(std::function<bool()> tick);

    QGroupBox* frame1 = nullptr;
    QLabel* label1 = nullptr;
    QLabel* label2 = nullptr;
    QLabel* image1 = nullptr;
    QTimer* compZugTimer = nullptr;

  protected:
    // The window closes only when the computer's move is over.
    void reject() override {}
    void closeEvent(QCloseEvent* ereignis) override;

  private:
    std::function<bool()> tick_;
};

} // namespace zafku
