#include "CompZugFrm.h"

#include "dialogs/DialogBild.h"
#include "dialogs/Twips.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace zafku {

CompZugFrm::CompZugFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("Zafku"));
    setFixedSize(twips(3780), twips(1485));
    frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twips(120), twips(60), twips(3540), twips(1335));
    image1 = erzeugeBildLabel(frame1, DialogBild::Computer, 150, 330);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(punkte(9.75));
    schrift.setBold(true);
    label1 = new QLabel(QStringLiteral("Bitte warten!"), frame1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(schrift);
    label1->setGeometry(twips(1020), twips(210), twips(2400), twips(285));
    label2 = new QLabel(QStringLiteral("Jetzt darf ich raten, was in die Lücke gehört."), frame1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setFont(schrift);
    label2->setWordWrap(true);
    label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2->setGeometry(twips(1020), twips(540), twips(2400), twips(720));
    compZugTimer = new QTimer(this);
    compZugTimer->setObjectName(QStringLiteral("CompZugTimer"));
    connect(compZugTimer, &QTimer::timeout, this, [this] {
        // A move can open a message window; its event loop must not start another move.
        compZugTimer->stop();
        if (!tick_ || tick_())
            accept();
        else
            compZugTimer->start();
    });
}

void CompZugFrm::zeige(std::function<bool()> tick) {
    tick_ = std::move(tick);
    compZugTimer->setInterval(kTakt);
    compZugTimer->start();
    exec();
    compZugTimer->stop();
    tick_ = nullptr;
}

void CompZugFrm::closeEvent(QCloseEvent* ereignis) {
    if (tick_)
        ereignis->ignore();
}

} // namespace zafku
