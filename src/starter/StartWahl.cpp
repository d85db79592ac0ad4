#include "StartWahl.h"

#include "platform/HostTextFile.h"

#include <QRegularExpression>
#include <QSet>

namespace zafku::starter {

QString dateiNameAus(const QString& name) {
    QString aus;
    bool trenner = false;
    for (const QChar c : name.toLower()) {
        QString teil;
        switch (c.unicode()) {
        case u'ä':
            teil = QStringLiteral("ae");
            break;
        case u'ö':
            teil = QStringLiteral("oe");
            break;
        case u'ü':
            teil = QStringLiteral("ue");
            break;
        case u'ß':
            teil = QStringLiteral("ss");
            break;
        default: {
            // é, ç, å … keep their base letter.
            const QChar basis = QString(c).normalized(QString::NormalizationForm_D).at(0);
            if ((basis >= u'a' && basis <= u'z') || (basis >= u'0' && basis <= u'9'))
                teil = basis;
        }
        }
        if (teil.isEmpty()) {
            trenner = !aus.isEmpty();
            continue;
        }
        if (trenner)
            aus += u'_';
        trenner = false;
        aus += teil;
    }
    // Long names make unwieldy file names; the start is enough to tell children apart.
    aus = aus.left(24);
    while (aus.endsWith(u'_'))
        aus.chop(1);
    return aus.isEmpty() ? QStringLiteral("kind") : aus;
}

QString eindeutig(const QString& basis, const QStringList& vergeben) {
    QString name = basis;
    for (int n = 2; vergeben.contains(name, Qt::CaseInsensitive); ++n)
        name = basis + QString::number(n);
    return name;
}

QString pruefeWahl(const QString& code, const QList<Spieler>& spieler) {
    if (code.isEmpty())
        return QStringLiteral("Bitte wähle zuerst aus, was geübt werden soll.");
    if (spieler.isEmpty())
        return QStringLiteral("Bitte gib den Namen von mindestens einem Kind ein.");
    if (spieler.size() > maxSpieler)
        return QStringLiteral("Zafku kann mit höchstens %1 Kindern gespielt werden.")
            .arg(maxSpieler);
    static const QRegularExpression erlaubt(QStringLiteral("^[a-z0-9_]+$"));
    QSet<QString> dateien;
    for (const Spieler& s : spieler) {
        if (s.name.trimmed().isEmpty())
            return QStringLiteral("Bitte gib für jedes Kind einen Namen ein.");
        if (s.name.contains(u';'))
            return QStringLiteral("Der Name „%1“ enthält ein Semikolon (;). Zafku kann solche "
                                  "Namen nicht verarbeiten; bitte lass das Zeichen weg.")
                .arg(s.name);
        if (!erlaubt.match(s.datei).hasMatch())
            return QStringLiteral("Der Dateiname „%1“ ist nicht erlaubt. Bitte verwende nur "
                                  "Kleinbuchstaben (a–z), Ziffern und _.")
                .arg(s.datei);
        if (dateien.contains(s.datei))
            return QStringLiteral("Zwei Kinder haben den Dateinamen „%1“. Jedes Kind braucht "
                                  "seine eigene Datei.")
                .arg(s.datei);
        dateien.insert(s.datei);
    }
    return {};
}

QString startBlock(const QString& code, const QList<Spieler>& spieler) {
    QString block = QStringLiteral("\"Version=4;VeskFeldName=%1;LupenFlag=0;GwsFlag=0;nSpieler=%2;")
                        .arg(code)
                        .arg(spieler.size());
    // A control character would cut the argument (NUL) or the game's lists (CR, LF).
    for (const Spieler& s : spieler)
        block += controlsAsBlanks(s.name) + u';';
    for (const Spieler& s : spieler)
        block += s.datei + u';';
    return block + u'"';
}

bool passtZuFilter(const bericht::TspEintrag& kategorie, const QString& gruppe,
                   const QString& filter) {
    static const QRegularExpression trenner(QStringLiteral("[^\\w]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QString text = kategorie.titel + u' ' + kategorie.code + u' ' + gruppe;
    const QStringList woerter = filter.split(trenner, Qt::SkipEmptyParts);
    return std::all_of(woerter.begin(), woerter.end(),
                       [&](const QString& w) { return text.contains(w, Qt::CaseInsensitive); });
}

} // namespace zafku::starter
