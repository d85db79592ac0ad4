#include "MainFrm.h"

#include "CompZugFrm.h"
#include "DateiInfoFrm.h"
#include "KartenBild.h"
#include "KartenSlot.h"
#include "LampenBild.h"
#include "TextBreite.h"
#include "ZeitBild.h"
#include "dialogs/EndeFrm.h"
#include "dialogs/Groesse.h"
#include "dialogs/LoesTippFrm.h"
#include "dialogs/MldFenster.h"
#include "dialogs/Skalierung.h"
#include "dialogs/TextLabel.h"
#include "dialogs/Twips.h"
#include "glob/SitzungsDaten.h"
#include "highscore/MeisterFrm.h"
#include "platform/HostPath.h"
#include "platform/Pause.h"
#include "settings/EinstellFrm.h"
#include "speech/Vorleser.h"

#include <QApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace zafku {

namespace {

QFont arial(double punkte, bool fett = true) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(zafku::punkte(punkte));
    f.setBold(fett);
    return f;
}

// MS Sans Serif of the design: the platform's sans-serif at the same size and weight.
QFont sansSerif(double punkte) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(zafku::punkte(punkte));
    f.setBold(true);
    return f;
}

QGroupBox* rahmen(QWidget* eltern, const QString& titel, const QRect& ort) {
    auto* box = new QGroupBox(titel, eltern);
    box->setGeometry(ort);
    return box;
}

QLabel* etikett(QWidget* eltern, const QString& text, const QRect& ort) {
    auto* label = textLabel(eltern, text);
    label->setGeometry(ort);
    return label;
}

void faerbeText(QWidget* w, const QColor& farbe) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, farbe);
    pal.setColor(QPalette::Text, farbe);
    w->setPalette(pal);
}

// Fits a text into platz pixels: the font shrinks in half points down to minimum, then
// the text is shortened with "…" between two letters. The full text stays as tool tip.
void passeEin(QWidget* w, QFont schrift, const QString& text, int platz, double minimum,
              const std::function<void(const QString&)>& setze) {
    while (schrift.pointSizeF() - punkte(0.5) >= punkte(minimum) &&
           QFontMetrics(schrift).horizontalAdvance(text) > platz)
        schrift.setPointSizeF(schrift.pointSizeF() - punkte(0.5));
    w->setFont(schrift);
    const QString gezeigt = QFontMetrics(schrift).elidedText(text, Qt::ElideRight, platz);
    w->setToolTip(gezeigt == text ? QString() : textTipp(text));
    setze(gezeigt);
}

// The gap mark: a soft yellow bar behind the four blanks of the gap.
class LeseLupe : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 255), 2));
        p.setBrush(QColor(255, 240, 150));
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 3, -1, -3), 6, 6);
    }
};

} // namespace

MainFrm::MainFrm(const MainFrmDienste& dienste, QWidget* parent)
    : QDialog(parent), d_(dienste), ablauf_(dienste.daten, dienste.quelle, dienste.sound,
                                            dienste.zufall, dienste.uhr, *this, *this, *this),
      ende_(dienste.daten, dienste.sound, dienste.uhr, dienste.hilfe, ablauf_.prt) {
    setWindowTitle(QStringLiteral("Morvik-Schreibwerkstatt - Zafku"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    flaeche_ = new QWidget(this);
    flaeche_->setFixedSize(twips(9600), twips(6630));
    layout->addWidget(flaeche_);
    layout->setMenuBar(baueMenues());
    baueAufgabenBereich();
    baueKarten();
    bauePunkte();
    baueLampen();
    baueKategorie();
    baueZeitAnzeigen();
    baueVorlesen();
    lampenTimerObj = new QTimer(this);
    lampenTimerObj->setObjectName(QStringLiteral("LampenTimer"));
    lampenTimerObj->setInterval(300);
    connect(lampenTimerObj, &QTimer::timeout, this, [this] { ablauf_.lampen.timerTick(); });
    compZugFrm = new CompZugFrm(this);
    ende_.schlafe = [] { pauseOhneEingabe(20); };
    d_.info.setzeHilfe(&d_.hilfe, d_.daten.hilfeDatei);
    ende_.updateMeister = [this] {
        meisterFehler_ =
            d_.meister ? d_.meister->updateMeister(d_.daten, d_.uhr.dateText()) : QString();
    };
    ende_.beende = [this] {
        // Shown last, so that a message nobody answers keeps nothing else from being stored.
        if (!meisterFehler_.isEmpty())
            zeigeMeldung(meisterFehler_, QStringLiteral("&OK"), QString(),
                         QStringLiteral("Laufzeitfehler"));
        ProgrammEnde::beendeProzess();
    };
    ende_.saveVokraIni = [this] {
        if (const QString fehler = saveVokraIni(d_.daten, ablauf_.einstellungen); !fehler.isEmpty())
            zeigeMeldung(fehler, QStringLiteral("&OK"), QString(),
                         QStringLiteral("Laufzeitfehler"));
    };
    // The adult's size keys; they stay out of the menus.
    const auto taste = [this](QKeySequence folge, auto wahl) {
        connect(new QShortcut(folge, this), &QShortcut::activated, this, wahl);
    };
    const auto groesser = [this] { setzeGroesse(naechsteStufe(massstab(), 1, groessteGroesse())); };
    const auto kleiner = [this] { setzeGroesse(naechsteStufe(massstab(), -1, groessteGroesse())); };
    taste(QKeySequence(Qt::CTRL | Qt::Key_Plus), groesser);
    taste(QKeySequence(Qt::CTRL | Qt::Key_Equal), groesser);
    taste(QKeySequence(Qt::CTRL | Qt::Key_Minus), kleiner);
    taste(QKeySequence(Qt::CTRL | Qt::Key_0), [this] {
        setzeGroesse(passenderMassstab(entwurfsGroesse(), screen()->availableSize(), 0.85), false);
        merkeGroesse(0);
    });
    qApp->installEventFilter(this);
}

QSize MainFrm::entwurfsGroesse() {
    // The drawing area and the menu bar at factor 1.
    return {640, 442 + 24};
}

double MainFrm::groessteGroesse() const {
    // The caption and borders come from the window manager and do not grow.
    const QSize rand = frameGeometry().size() - size();
    const QSize platz = screen()->availableSize() - rand;
    const QSize jetzt = size().isEmpty() ? entwurfsGroesse() : size() / massstab();
    return passenderMassstab(jetzt, platz, 1.0);
}

void MainFrm::setzeGroesse(double faktor, bool merken) {
    const QPoint mitte = frameGeometry().center();
    wechsleMassstab(faktor);
    if (merken)
        merkeGroesse(massstab());
    layout()->activate();
    zeigeRestZeitStand(restZeit_);
    if (!lueckWortLbl->text().isEmpty())
        ordneAufgabeAn();
    // The window keeps its centre but stays on its screen.
    QRect ort = frameGeometry();
    ort.moveCenter(mitte);
    const QRect platz = screen()->availableGeometry();
    ort.moveLeft(std::max(platz.left(), std::min(ort.left(), platz.right() - ort.width())));
    ort.moveTop(std::max(platz.top(), std::min(ort.top(), platz.bottom() - ort.height())));
    move(ort.topLeft());
}

MainFrm::~MainFrm() {
    qApp->removeEventFilter(this);
}

void MainFrm::lade() {
    ablauf_.lade();
    // Settings read at load may have seated the computer.
    d_.info.zeigeSpieler(d_.daten);
}

void MainFrm::baueAufgabenBereich() {
    auto* frame7 = rahmen(flaeche_, QString(), twips(1860, 180, 5055, 855));
    kontextLbl = etikett(frame7, QString(), twips(120, 390, 135, 285));
    kontextLbl->setFont(arial(12));
    leseLupe = new LeseLupe(frame7);
    leseLupe->setGeometry(twips(2040, 210, 555, 525));
    leseLupe->hide();
    lueckWortLbl = etikett(frame7, QString(), twips(360, 210, 4545, 525));
    lueckWortLbl->setFont(aufgabenSchrift(true));
    faerbeText(lueckWortLbl, QColor(0, 0, 255));

    lueckSatzFrame = rahmen(flaeche_, QString(), twips(1860, 1140, 5055, 1335));
    lueckSatzLbl = etikett(lueckSatzFrame, QString(), twips(180, 240, 4680, 285));
    lueckSatzLbl->setFont(arial(12));
    lueckSatzLbl->setWordWrap(true);

    wLueckGrLst = new QListWidget(flaeche_);
    wLueckGrLst->setGeometry(twips(7260, 270, 1395, 1110));
    wLueckGrLst->setFont(arial(12));
    faerbeText(wLueckGrLst, QColor(0, 0, 255));
    wLueckGrLst->setEnabled(false);
    // Only a real selection counts: the list makes its first row current on focus
    // without selecting it, and Enter must not insert that.
    connect(wLueckGrLst, &QListWidget::itemSelectionChanged, this, [this] {
        const auto gewaehlt = wLueckGrLst->selectionModel()->selectedRows();
        ablauf_.waehleEintrag(gewaehlt.isEmpty() ? -1 : gewaehlt.first().row());
    });

    einsetzenBtn = new QPushButton(QStringLiteral("&einsetzen"), flaeche_);
    einsetzenBtn->setGeometry(twips(7260, 1470, 1395, 465));
    einsetzenBtn->setDefault(true);
    connect(einsetzenBtn, &QPushButton::clicked, this,
            [this] { sicher([this] { ablauf_.einsetzen(); }); });
    connect(wLueckGrLst, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* eintrag) {
        ablauf_.waehleEintrag(wLueckGrLst->row(eintrag));
        einsetzenBtn->click();
    });

    loesTippBtn = new QPushButton(QStringLiteral("&Tipp"), flaeche_);
    loesTippBtn->setGeometry(twips(7260, 1980, 1395, 465));
    loesTippBtn->setAutoDefault(false);
    loesTippFrm_ = std::make_unique<LoesTippFrm>(this);
    connect(loesTippBtn, &QPushButton::clicked, this, [this] {
        vorleser().liesTipp();
        loesTippFrm_->exec();
    });
}

void MainFrm::baueKarten() {
    karten[0] = new KartenSlot(KartenSlot::gross, flaeche_);
    for (int k = 1; k < 4; ++k) {
        spFldFrame[k] = rahmen(flaeche_, QString(), twips(150, 180 + (k - 1) * 1815, 1385, 1535));
        karten[k] = new KartenSlot(KartenSlot::klein, spFldFrame[k]);
    }
}

void MainFrm::bauePunkte() {
    spFldFrame[0] = rahmen(flaeche_, QStringLiteral("Spieler"), twips(5085, 2820, 1815, 2475));
    auto* frame1 = rahmen(spFldFrame[0], QString(), twips(120, 300, 1575, 555));
    spNameLbl = etikett(frame1, QStringLiteral("Name"), twips(90, 150, 1395, 315));
    spNameLbl->setFont(arial(14.25));
    faerbeText(spNameLbl, QColor(255, 0, 0));
    auto* frame2 = rahmen(spFldFrame[0], QStringLiteral("Punkte"), twips(120, 960, 1575, 675));
    auto* frame4 = rahmen(spFldFrame[0], QStringLiteral("Zafkus"), twips(120, 1680, 855, 675));
    const auto ziffer = [](QWidget* eltern, int i) {
        auto* label = etikett(eltern, QStringLiteral("0"), twips(60 + 240 * i, 210, 240, 390));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(arial(15.75));
        label->setAutoFillBackground(true);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
        label->setPalette(pal);
        return label;
    };
    for (int i = 0; i < 6; ++i)
        punkZiff[i] = ziffer(frame2, i);
    for (int i = 0; i < 3; ++i)
        zafkZiff[i] = ziffer(frame4, i);
}

void MainFrm::baueLampen() {
    const auto lampe = [this](int oben) {
        auto* bild = new BildLabel(flaeche_);
        bild->setGeometry(twips(7260, oben, 390, 390));
        return bild;
    };
    const auto schild = [this](const QString& text, int oben) {
        auto* label = etikett(flaeche_, text, twips(7740, oben, 915, 315));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(sansSerif(9.75));
        return label;
    };
    falschImg = lampe(2910);
    falschLbl = schild(QStringLiteral("Fehler"), 2970);
    zafkuImg = lampe(3360);
    zafkuLbl = schild(QStringLiteral("Zafku"), 3420);
    ladenImg = lampe(4920);
    feldKennungLbl = schild(QString(), 4950);
    faerbeLabel(Lampe::Fehler, false);
    faerbeLabel(Lampe::Zafku, false);
}

void MainFrm::baueKategorie() {
    uebBausteinImage = new BildLabel(flaeche_);
    uebBausteinImage->setGeometry(twips(135, 5850, 825, 600));
    auto* titelFrame = rahmen(flaeche_, QString(), twips(1200, 5790, 7305, 600));
    uebTitelLabel =
        etikett(titelFrame, QStringLiteral("[kein Übungsschwerpunkt]"), twips(120, 210, 7020, 315));
    uebTitelLabel->setFont(arial(12));
    faerbeText(uebTitelLabel, QColor(255, 0, 0));
}

QString MainFrm::zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                              const QString& titel) {
    if (!d_.mld.isVisible()) {
        d_.mld.zeigeMeldung(text, knopf1, knopf2, titel);
        return d_.mld.antwort();
    }
    // A timer reports while the message window is open: a second one goes on top of it.
    MldFenster oben(QApplication::activeModalWidget());
    oben.zeigeMeldung(text, knopf1, knopf2, titel);
    return oben.antwort();
}

void MainFrm::zeigeNichtDruckbar() {
    QMessageBox::information(this, QStringLiteral("Zafku"),
                             QStringLiteral("Nicht druckbares zeichen"));
}

void MainFrm::zeigeKategorie(const QString& bildName, const QString& titel) {
    const QPixmap bild(resolveHostPath(d_.daten.appPfad, QStringLiteral("Grafik/") + bildName));
    // Shown at its natural size times the game's size, smoothly scaled.
    uebBausteinImage->setzeMaler([bild](QSize, qreal pixelRatio) {
        if (bild.isNull())
            return bild;
        QPixmap gross = bild.scaled(bild.size() * massstab() * pixelRatio, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation);
        gross.setDevicePixelRatio(pixelRatio);
        return gross;
    });
    uebTitelLabel->setText(titel);
}

void MainFrm::zeigeAnzahlAufgaben(int anzahl) {
    d_.info.setzeAnzahlAufgaben(anzahl);
}

void MainFrm::setzeTippText(const QString& text) {
    loesTippFrm_->setzeTipp(text);
    vorleser().setzeTipp(text);
}

void MainFrm::zeigeSlot(int slot, int bild, const QString& name,
                        const std::array<Farbe, 25>& felder) {
    karten[slot]->setzeBild(bild);
    if (slot == 0)
        zeigeName(name);
    else
        zeigeRahmenTitel(spFldFrame[slot], name);
    for (int f = 1; f <= 25; ++f)
        karten[slot]->faerbeFeld(f, felder[f - 1]);
}

void MainFrm::zeigeName(const QString& name) {
    passeEin(spNameLbl, arial(14.25), name, spNameLbl->width(), 9,
             [this](const QString& text) { spNameLbl->setText(text); });
}

void MainFrm::zeigeRahmenTitel(QGroupBox* rahmen, const QString& name) {
    // The caption starts a few pixels in from the frame's corner and must end before
    // the opposite edge.
    constexpr int kTitelRand = 16;
    passeEin(rahmen, QApplication::font(), name, rahmen->width() - kTitelRand, 7,
             [rahmen](const QString& text) { rahmen->setTitle(text); });
}

void MainFrm::faerbeFeld(int slot, int feld, Farbe farbe) {
    karten[slot]->faerbeFeld(feld, farbe);
}

void MainFrm::zeigeAufgabe(const QString& kontext, const QString& wortZeile, const QString& satz,
                           const QStringList& liste) {
    kontextLbl->setText(kontext);
    lueckWortLbl->setText(wortZeile);
    lueckSatzLbl->setText(satz);
    ordneAufgabeAn();
    const QSignalBlocker still(wLueckGrLst);
    wLueckGrLst->clear();
    wLueckGrLst->addItems(liste);
    wLueckGrLst->setCurrentRow(-1);
    vorlesenNachAufgabe();
}

void MainFrm::ordneAufgabeAn() {
    kontextLbl->adjustSize();
    lueckSatzLbl->resize(lueckSatzLbl->width(),
                         lueckSatzLbl->heightForWidth(lueckSatzLbl->width()));
    lueckSatzLbl->move(lueckSatzLbl->x(),
                       (lueckSatzFrame->height() - lueckSatzLbl->height()) / 2 + twips(60));
    zeigeKontext();
}

void MainFrm::zeigeKontext() {
    const QString kontext = kontextLbl->text().trimmed();
    const int w1 = textBreite(kontext, 1, static_cast<int>(kontext.size()), false);
    lueckWortLbl->move(kontextLbl->x() + twips(w1 + 100), lueckWortLbl->y());
    const QString zeile = lueckWortLbl->text();
    const int k = static_cast<int>(zeile.indexOf(u' '));
    const int w2 = textBreite(zeile, 1, k, true);
    leseLupe->setGeometry(lueckWortLbl->x() + twips(w2), leseLupe->y(),
                          twips(textBreite(QStringLiteral("    "), 1, 4, true)),
                          leseLupe->height());
    leseLupe->show();
}

void MainFrm::setzeListenAuswahl(int index) {
    const QSignalBlocker still(wLueckGrLst);
    wLueckGrLst->clearSelection();
    wLueckGrLst->setCurrentRow(index);
}

void MainFrm::fokusAufEinsetzen() {
    einsetzenBtn->setFocus();
}

void MainFrm::aktiviereListe() {
    wLueckGrLst->setEnabled(true);
    einsetzenBtn->setFocus();
}

void MainFrm::zeigePunkte(const QString& punkte, const QString& zafkus) {
    for (int i = 0; i < 6; ++i) {
        punkZiff[i]->setText(punkte.mid(i, 1));
        punkZiff[i]->repaint();
    }
    for (int i = 0; i < 3; ++i) {
        zafkZiff[i]->setText(zafkus.mid(i, 1));
        zafkZiff[i]->repaint();
    }
}

void MainFrm::zeigeFeldKennung(const QString& kennung) {
    feldKennungLbl->setText(kennung);
}

void MainFrm::zeigeCompZug() {
    vorleser().verstumme();
    compZugFrm->zeige([this] {
        bool fertig = true;
        sicher([&] { fertig = ablauf_.compZugTick(); });
        return fertig;
    });
}

void MainFrm::zeigeLampe(Lampe lampe, bool an) {
    const auto male = [](BildLabel* bild, LampenFarbe farbe) {
        bild->setzeMaler([farbe](QSize groesse, qreal pixelRatio) {
            return lampenBild(farbe, groesse, pixelRatio);
        });
    };
    switch (lampe) {
    case Lampe::Fehler:
        male(falschImg, an ? LampenFarbe::Rot : LampenFarbe::Aus);
        break;
    case Lampe::Zafku:
        male(zafkuImg, an ? LampenFarbe::Gelb : LampenFarbe::Aus);
        break;
    case Lampe::Laden:
        male(ladenImg, an ? LampenFarbe::Gruen : LampenFarbe::Aus);
        break;
    }
}

void MainFrm::faerbeLabel(Lampe lampe, bool aktiv) {
    QLabel* label = lampe == Lampe::Fehler ? falschLbl : zafkuLbl;
    // Off, the text is a mid grey that a child can still read (about 4 : 1 on the
    // window's grey) yet plainly weaker than the black of a lit lamp; the outline stays
    // black either way.
    const QColor text = aktiv ? palette().color(QPalette::ButtonText) : QColor(115, 115, 115);
    label->setStyleSheet(
        QStringLiteral("QLabel { border: 1px solid black; color: %1; }").arg(text.name()));
}

void MainFrm::lampenTimer(bool laeuft) {
    if (laeuft && !lampenTimerObj->isActive())
        lampenTimerObj->start();
    else if (!laeuft)
        lampenTimerObj->stop();
}

} // namespace zafku
