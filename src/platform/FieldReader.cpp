#include "FieldReader.h"

namespace zafku {

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

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
    while (pos_ < text_.size() && text_[pos_] == u' ')
        ++pos_;
}

QString FieldReader::next() {
    if (atEnd()) {
        pastEnd_ = true;
        return {};
    }
    skipBlanks();
    QString field;
    quoteCutOff_ = false;
    if (pos_ < text_.size() && text_[pos_] == u'"') {
        const qsizetype start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != u'"' && !atLineEnd())
            ++pos_;
        field = text_.mid(start, pos_ - start);
        quoteCutOff_ = pos_ == text_.size();
        if (pos_ < text_.size() && text_[pos_] == u'"')
            ++pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
        field = trimBlanks(text_.mid(start, pos_ - start));
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
