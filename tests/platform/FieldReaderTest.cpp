#include "platform/FieldReader.h"

#include <QStringList>

#include <gtest/gtest.h>

using zafku::FieldReader;

namespace {

struct Fall {
    const char* name;
    QString text;
    QStringList felder;
};

QStringList alleFelder(const QString& text) {
    FieldReader leser(text);
    QStringList felder;
    while (!leser.atEnd())
        felder.append(leser.next());
    return felder;
}

} // namespace

TEST(FieldReader, SplitsFieldsLikeTheHost) {
    const Fall faelle[] = {
        {"commas and line ends", "a,b\r\nc\r\n", {"a", "b", "c"}},
        {"lone LF", "a\nb", {"a", "b"}},
        {"blanks dropped", "  a  ,  b c  \r\n", {"a", "b c"}},
        {"quoted field keeps commas", "\"x, y\",z\r\n", {"x, y", "z"}},
        {"blank before quote", "   \"q\"  ,r", {"q", "r"}},
        {"empty line is one empty field", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"comma before line end", "a,\r\nb", {"a", "", "b"}},
        {"unclosed quote runs to end", "\"abc", {"abc"}},
        {"line end ends a quoted field", "\"ab\r\ncd\",e", {"ab", "cd\"", "e"}},
        {"only blanks trimmed, not tabs", "\ta\t , b", {"\ta\t", "b"}},
        {"text after closing quote dropped", "\"ab\"cd,e", {"ab", "e"}},
        {"empty file", "", {}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(alleFelder(f.text), f.felder) << f.name;
}

TEST(FieldReader, AQuoteOpenAtTheEndIsMarked) {
    const struct {
        const char* text;
        bool abgeschnitten;
    } faelle[] = {{"a,\"bc", true}, {"a,\"bc\"", false}, {"a,\"b\r\n", false}, {"a,b", false}};
    for (const auto& f : faelle) {
        FieldReader leser(QString::fromUtf8(f.text));
        leser.next();
        leser.next();
        EXPECT_EQ(leser.quoteCutOff(), f.abgeschnitten) << f.text;
    }
}
