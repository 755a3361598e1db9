#include "model/Demon.h"
#include <gtest/gtest.h>
TEST(Smoke, Demon) { Demon d; EXPECT_EQ(d.GetPA(), 80); EXPECT_EQ(d.GetListeDesPouvoirs()->size(), 159u); EXPECT_EQ(d.GetListeDesTalents()->size(), 75u); }
