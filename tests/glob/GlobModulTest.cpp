#include "glob/GlobModul.h"

#include "support/FesteUhr.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zafku;

namespace {

// Hands out the scripted values and counts the re-seeds.
class SkriptQuelle : public RandomSource {
  public:
    explicit SkriptQuelle(std::vector<float> werte) : werte_(std::move(werte)) {}
    void reseed(double) override { ++reseeds; }
    float next() override { return werte_.at(i_++); }
    int reseeds = 0;

  private:
    std::vector<float> werte_;
    std::size_t i_ = 0;
};

} // namespace

TEST(ZufallsZahl, MapsTheGeneratorOntoAnInclusiveClampedRange) {
    const struct {
        int lo, hi;
        float r;
        int erwartet;
    } faelle[] = {
        {1, 100, 0.0f, 1},     {1, 100, 0.999999f, 100}, {1, 100, 0.5f, 51},
        {1, 100, 0.4999f, 50}, {3, 3, 0.7f, 3},          {5, 3, 0.9f, 5},
        {1, 25, 0.0399f, 1},   {1, 25, 0.04f, 2},        {-2, 2, 0.0f, -2},
    };
    FesteUhr uhr(100.5);
    for (const auto& f : faelle) {
        SkriptQuelle quelle({f.r});
        EXPECT_EQ(zufallsZahl(f.lo, f.hi, quelle, uhr), f.erwartet)
            << f.lo << ".." << f.hi << " r=" << f.r;
        EXPECT_EQ(quelle.reseeds, 1);
    }
}

TEST(GlobModul, VornameAndPictureName) {
    const std::pair<const char*, const char*> vornamen[] = {
        {"Veze Vuvu", "Veze"}, {"Tim", "Tim"}, {" Anna", ""}, {"", ""}};
    for (const auto& [rein, raus] : vornamen)
        EXPECT_EQ(vorname(QString::fromUtf8(rein)), QString::fromUtf8(raus)) << rein;

    const std::pair<const char*, const char*> bilder[] = {
        {"LIP_", "BST_LIP.GIF"}, {"GK1M", "BST_GKM.GIF"}, {"AB12", "BST_AB_.GIF"},
        {"LTxy", "BST_LT_.GIF"}, {"LT", "BST_LT_.GIF"},   {"AB", "BST_AB.GIF"},
        {"SS__", "BST_SS_.GIF"}, {"X", "BST_X.GIF"},      {"", "BST_.GIF"},
        {"AB1", "BST_AB.GIF"}};
    for (const auto& [code, bild] : bilder)
        EXPECT_EQ(bausteinBildName(QString::fromUtf8(code)), QString::fromUtf8(bild)) << code;
}

TEST(GlobModul, ZahlWertReadsTheLeadingNumberRoundingHalvesToEven) {
    const std::pair<const char*, int> faelle[] = {
        {"3", 3},     {" 3", 3}, {"3x", 3},  {"2.5", 2}, {"3.5", 4},
        {"-1", -1},   {"x3", 0}, {"", 0},    {"+7", 7},  {"4.0", 4},
        {"1.2.3", 1}, {"5.", 5}, {"\t3", 0}, {"-", 0},   {"-99999999999", INT_MIN}};
    for (const auto& [text, wert] : faelle)
        EXPECT_EQ(zahlWert(QString::fromUtf8(text)), wert) << text;
}
