#include "platform/FieldReader.h"

#include <QStringList>

#include <gtest/gtest.h>

using zafku::FieldReader;

// Every field to the end; a quote left open at the end marks the file as cut short.
TEST(FieldReader, SplitsFieldsLikeTheHost) {
    const struct {
        const char* name;
        QString text;
        QStringList felder;
        bool abgeschnitten = false;
    } faelle[] = {
        {"commas and line ends", "a,b\r\nc\r\n", {"a", "b", "c"}},
        {"lone LF", "a\nb", {"a", "b"}},
        {"blanks dropped", "  a  ,  b c  \r\n", {"a", "b c"}},
        {"quoted field keeps commas", "\"x, y\",z\r\n", {"x, y", "z"}},
        {"blank before quote", "   \"q\"  ,r", {"q", "r"}},
        {"empty line is one empty field", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"comma before line end", "a,\r\nb", {"a", "", "b"}},
        {"unclosed quote runs to end", "\"abc", {"abc"}, true},
        {"line end ends a quoted field", "\"ab\r\ncd\",e", {"ab", "cd\"", "e"}},
        {"only blanks trimmed, not tabs", "\ta\t , b", {"\ta\t", "b"}},
        {"text after closing quote dropped", "\"ab\"cd,e", {"ab", "e"}},
        {"empty file", "", {}},
        {"last quote open", "a,\"bc", {"a", "bc"}, true},
        {"last quote closed", "a,\"bc\"", {"a", "bc"}},
        {"last quote ended by the line", "a,\"b\r\n", {"a", "b"}},
        {"comma last in quotes", "\"a,\",b", {"a,", "b"}},
    };
    for (const auto& f : faelle) {
        FieldReader leser(f.text);
        QStringList felder;
        while (!leser.atEnd())
            felder.append(leser.next());
        EXPECT_EQ(felder, f.felder) << f.name;
        EXPECT_EQ(leser.quoteCutOff(), f.abgeschnitten) << f.name;
    }
}
