#pragma once

#include <QString>

namespace zafku {

// The text without leading and trailing blanks; tabs and line ends stay.
QString trimBlanks(const QString& text);

// Reads a host text file field by field: fields end at commas and line ends; a field
// that starts with a double quote runs to the next double quote or line end and may
// hold commas; blanks around an unquoted field are dropped; an empty line is one empty
// field.
class FieldReader {
  public:
    explicit FieldReader(QString text);

    bool atEnd() const { return pos_ >= text_.size(); }
    // At the end of the text this yields "" and marks the read as past the end.
    QString next();
    bool readPastEnd() const { return pastEnd_; }
    // The last field opened a quote that the text ended inside: the file was cut short.
    bool quoteCutOff() const { return quoteCutOff_; }
    // Reads up to and including the first field equal to field, such as a section
    // heading; false when the text ends first.
    bool skipPast(const QString& field);

  private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();

    QString text_;
    qsizetype pos_ = 0;
    bool pastEnd_ = false;
    bool quoteCutOff_ = false;
};

} // namespace zafku
