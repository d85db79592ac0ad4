#include "FieldReader.h"

namespace zafku {

FieldReader::FieldReader(QString text) : text_(std::move(text)) {}

bool FieldReader::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void FieldReader::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == u'\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == u'\n')
        ++pos_;
}

void FieldReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t'))
        ++pos_;
}

QString FieldReader::next() {
    if (atEnd()) {
        pastEnd_ = true;
        return {};
    }
    skipBlanks();
    QString field;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype stop = close < 0 ? text_.size() : close;
        field = text_.mid(pos_ + 1, stop - pos_ - 1);
        pos_ = close < 0 ? text_.size() : close + 1;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
        field = text_.mid(start, pos_ - start).trimmed();
    }
    if (pos_ < text_.size() && text_[pos_] == u',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}

bool FieldReader::skipPast(const QString& field) {
    while (!atEnd()) {
        if (next() == field)
            return true;
    }
    return false;
}

} // namespace zafku
