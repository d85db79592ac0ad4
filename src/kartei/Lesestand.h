#pragma once

#include "bericht/Protokoll.h"

#include <QByteArray>

namespace zafku::kartei {

// How far a protocol file has been read. The game only appends, so the bytes read so far
// are known by their length and hash; the anchor (the last bytes read) finds them again
// when older lines were cut off the front.
struct Lesestand {
    qint64 groesse = 0;
    QByteArray hash;
    QByteArray anker;
    int zeilen = 0; // lines up to groesse, numbered as the report numbers them
    bool operator==(const Lesestand&) const = default;
};

struct NeueZeilen {
    QList<bericht::ProtokollZeile> zeilen; // numbered within the file as it is now
    Lesestand stand;
    // The file is not the one read before (replaced, cut or made anew): line numbers of
    // earlier readings no longer hold.
    bool neueDatei = false;
};

// The whole lines of bytes (the file as it is now) that were not read before. A file
// that does not continue what was read is taken from after the anchor if it holds it,
// else as new; a line read once is never returned again for the same bytes.
NeueZeilen neueZeilen(const QByteArray& bytes, const Lesestand& alt);

} // namespace zafku::kartei
