#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "toolkit/Chamowanie.h"
#include "toolkit/_cblad.h"

namespace {

TEST(EaseOut, QuadraticAndCubicSteps) {
  CEaseOut e;
  e.StartQuadratic(0, 100, 5);
  const long double q[] = {36, 64, 84, 96, 100};
  for (long double v : q) EXPECT_EQ(e.NextQuadratic(), v);
  EXPECT_EQ(e.NextQuadratic(), 100);  // past the end: the target again

  e.StartCubic(0, 100, 4);
  const long double c[] = {57.8125L, 87.5L, 98.4375L, 100};
  for (long double v : c) EXPECT_EQ(e.NextCubic(), v);
  EXPECT_EQ(e.NextCubic(), 100);
}

TEST(EaseOut, NonPositiveStepsActAsOne) {
  for (int steps : {0, -3}) {
    CEaseOut e;
    e.StartCubic(10, 50, steps);
    EXPECT_EQ(e.NextCubic(), 50);
  }
}

TEST(EaseOut, StartAtTargetStaysThere) {
  CEaseOut e;
  e.StartQuadratic(7.5f, 7.5f, 6);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(e.NextQuadratic(), 7.5L);
}

TEST(EaseOut, NegativeMovementEndsExactly) {
  CEaseOut e;
  e.StartCubic(300, -17, 80);
  long double last = 300;
  for (int i = 0; i < 80; ++i) {
    long double v = e.NextCubic();
    EXPECT_LE(v, last);
    last = v;
  }
  EXPECT_EQ(last, -17);
}

TEST(EaseOut, StepCountsWhosePowerWrapsToZeroStayFinite) {
  // n * n and n * n * n are 32-bit products: for these n they wrap to 0 and
  // are taken as 1, so the values stay finite and the last is the target.
  struct Case {
    int power, steps;
  };
  for (Case c : {Case{2, 65536}, Case{3, 2048}, Case{3, 4096}, Case{3, 65536}}) {
    SCOPED_TRACE(std::to_string(c.power) + " " + std::to_string(c.steps));
    CEaseOut e;
    if (c.power == 2) e.StartQuadratic(0, 100, c.steps);
    else e.StartCubic(0, 100, c.steps);
    EXPECT_EQ(e.coefficient, 100.0f);
    long double v = c.power == 2 ? e.NextQuadratic() : e.NextCubic();
    EXPECT_TRUE(std::isfinite(v));
    for (int i = 1; i < c.steps; ++i) v = c.power == 2 ? e.NextQuadratic() : e.NextCubic();
    EXPECT_EQ(v, 100);
  }
  // A product that wraps to anything else is used as it is.
  CEaseOut e;
  e.StartQuadratic(0, 100, 46341);
  EXPECT_EQ(e.coefficient, float(100.0L / (long double)std::int32_t(46341u * 46341u)));
}

TEST(CBlad, CodesCarryTheirTexts) {
  CBlad one(1);
  EXPECT_EQ(one.Code, 1);
  EXPECT_EQ(one.Message, "          Brak zasob\363w !\n\nProsz\352 przeinstalowa\346 program.");
  EXPECT_EQ(std::string(one.what()), one.Message);
  EXPECT_EQ(CBlad(2).Message, "Prosz\352 zmieni\346 rozdzielczo\234\346 ekranu na 800 x 600 lub wy\277sz\271.");
  EXPECT_EQ(CBlad(3).Message, "Plik statystyk nie zosta\263 poprawnie stworzony.");
  EXPECT_EQ(CBlad(4).Message,
            "Brak dost\352pu do pliku konfiguracyjnego programu. Program zako\361czy dzia\263anie.");
  EXPECT_EQ(CBlad(9).Message, CBlad(1).Message);  // no text of its own
  EXPECT_EQ(std::string(kBladCaption), "Trelamondo Cz.V - B\263\271d");
}

TEST(CBlad, IsCaughtAsAnException) {
  try {
    throw CBlad(3);
  } catch (const Exception& e) {
    EXPECT_EQ(dynamic_cast<const CBlad&>(e).Code, 3);
  }
}

}  // namespace
