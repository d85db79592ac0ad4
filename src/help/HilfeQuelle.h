#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zafku {

// Help pages are a few kilobytes and their pictures some hundred.
constexpr qint64 kMaxHilfeSeite = 256 << 10;
constexpr qint64 kMaxHilfeBild = 2 << 20;
// Far deeper than any page needs; the help window's layout time grows steeply with depth.
constexpr int kMaxHilfeTiefe = 300;
// Nested tables cost far more: twenty of them take the window minutes.
constexpr int kMaxTabellenTiefe = 6;

// The bytes of a page (seite) or of a picture of a help folder: only a regular file inside
// ordner once links are followed, of bounded size; a page also of bounded nesting.
// nullopt for anything else.
std::optional<QByteArray> leseHilfeQuelle(const QString& ordner, const QString& pfad, bool seite);

// How deeply the elements of a page nest, counting open tags against close tags; with
// nurElement ("table") only those elements.
int verschachtelung(const QByteArray& html, const QByteArray& nurElement = {});

// Shown instead of a page that cannot be shown.
QByteArray hilfeErsatzSeite();

} // namespace zafku
