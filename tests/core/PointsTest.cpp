#include "Banc.h"

#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace
{
constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMoitieDuMax = kMax / 2 + 1;

struct Depense
{
    const char* oNom;
    bool (Personnage::*pfDepenser)(int);
    Soldes oAvant;
    int nMontant;
    bool bAccepte;
    Soldes oApres;
};

using RegleDesPointsDepense = testing::TestWithParam<Depense>;

TEST_P(RegleDesPointsDepense, SettlesTheBalancesOrChangesNothing)
{
    const Depense& oCas = GetParam();
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes(oCas.oAvant);
    EXPECT_EQ((oDemon.*oCas.pfDepenser)(oCas.nMontant), oCas.bAccepte);
    EXPECT_EQ(SoldesDe(oDemon), oCas.oApres);
}

INSTANTIATE_TEST_SUITE_P(
    RegleDesPoints, RegleDesPointsDepense,
    testing::Values(
        // Spending PA: a shortfall takes converted PA back, each for two unspent PA secondaire.
        Depense{"PAEnSuffisance", &Personnage::RemovePA, {10, 0, 0}, 4, true, {6, 0, 0}},
        Depense{"ConvertisRepris", &Personnage::RemovePA, {0, 4, 2}, 2, true, {0, 0, 0}},
        Depense{"ManqueCouvertEnPartie", &Personnage::RemovePA, {1, 2, 2}, 2, true, {0, 0, 1}},
        Depense{"PlusQueLesConvertis", &Personnage::RemovePA, {0, 4, 2}, 3, false, {0, 4, 2}},
        Depense{"PASecondaireManquantsPourReprendre", &Personnage::RemovePA, {0, 1, 5}, 1, false, {0, 1, 5}},
        Depense{"RienAPayerEnPA", &Personnage::RemovePA, {0, 0, 0}, 0, true, {0, 0, 0}},
        Depense{"LaPlusGrandeReprise", &Personnage::RemovePA, {0, kMax - 1, kMoitieDuMax - 1}, kMoitieDuMax - 1, true,
                {0, 0, 0}},
        Depense{"RepriseDontLeDoubleDepasseLeMax", &Personnage::RemovePA, {0, 1, kMoitieDuMax + 1}, kMoitieDuMax + 1,
                false, {0, 1, kMoitieDuMax + 1}},
        // Spending PA secondaire: a shortfall converts unspent PA, one for two.
        Depense{"PASecondaireEnSuffisance", &Personnage::RemovePASecondaire, {10, 5, 0}, 3, true, {10, 2, 0}},
        Depense{"ManquePair", &Personnage::RemovePASecondaire, {10, 0, 0}, 2, true, {9, 0, 1}},
        Depense{"ManqueImpairUnPASecondaireDeReste", &Personnage::RemovePASecondaire, {10, 1, 0}, 4, true,
                {8, 1, 2}},
        Depense{"ConversionDuDernierPA", &Personnage::RemovePASecondaire, {2, 0, 0}, 3, true, {0, 1, 2}},
        Depense{"PasAssezDePAAConvertir", &Personnage::RemovePASecondaire, {1, 0, 0}, 3, false, {1, 0, 0}},
        Depense{"ConvertisJamaisReconvertis", &Personnage::RemovePASecondaire, {0, 2, 1}, 3, false, {0, 2, 1}},
        Depense{"RienAPayerEnPASecondaire", &Personnage::RemovePASecondaire, {0, 0, 0}, 0, true, {0, 0, 0}},
        Depense{"LePlusGrandManque", &Personnage::RemovePASecondaire, {kMax, 0, 0}, kMax, true,
                {kMax - kMoitieDuMax, 1, kMoitieDuMax}}),
    NomDuCas());

// Taking a converted PA back would cost the very two PA secondaire that it is meant to buy.
TEST(RegleDesPoints, ASecondaryRaiseThatWouldTakeConvertedPointsBackIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    Acquerir(oDemon, "Acrobatie");
    Acquerir(oDemon, "Baratin");
    oDemon.AugmenterTalent("Acrobatie", 1);
    oDemon.AugmenterTalent("Baratin", 1);
    ASSERT_TRUE(oDemon.RemovePA(oDemon.GetPA()));
    ASSERT_EQ(SoldesDe(oDemon), (Soldes{0, 2, 1}));
    const Etat oAvant = oDemon.Releve();

    oDemon.AugmenterTalent("Acrobatie", 3);

    EXPECT_EQ(oDemon.Releve(), oAvant);
}

struct RetraitDuTotal
{
    const char* oNom;
    Soldes oAvant;
    int nMontant;
    bool bAccepte;
    Soldes oApres;
    int nTotalApres;
};

using RegleDesPointsTotal = testing::TestWithParam<RetraitDuTotal>;

TEST_P(RegleDesPointsTotal, LoweringTheTotalTakesUnspentPointsOrNothing)
{
    const RetraitDuTotal& oCas = GetParam();
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes(oCas.oAvant);
    EXPECT_EQ(oDemon.RemovePATotal(oCas.nMontant), oCas.bAccepte);
    EXPECT_EQ(SoldesDe(oDemon), oCas.oApres);
    EXPECT_EQ(oDemon.GetPATotal(), oCas.nTotalApres);
}

INSTANTIATE_TEST_SUITE_P(
    RegleDesPoints, RegleDesPointsTotal,
    testing::Values(RetraitDuTotal{"ToutLeReste", {80, 0, 0}, 80, true, {0, 0, 0}, 0},
                    RetraitDuTotal{"PlusQueLeReste", {80, 0, 0}, 81, false, {80, 0, 0}, 80},
                    RetraitDuTotal{"AvecDesConvertisRepris", {1, 2, 1}, 2, true, {0, 0, 0}, 78}),
    NomDuCas());

TEST(RegleDesPoints, RaisingTheTotalGrantsAsManyUnspentPA)
{
    Ange oAnge;
    oAnge.AddPATotal(15);
    EXPECT_EQ(oAnge.GetPATotal(), 115);
    EXPECT_EQ(oAnge.GetPA(), 115);
}

// Lowering a characteristic below its start gives PA that no total granted: the largest total leaves room for
// all of them, and for converting every PA there is.
TEST(RegleDesPoints, TheLargestTotalLeavesRoomForThePointsTheCharacteristicsGiveBack)
{
    Demon oDemon;
    const int nSansPlace = kMax - oDemon.GetPA();
    oDemon.AddPATotal(nSansPlace);
    EXPECT_EQ(oDemon.GetPATotal(), 80);

    constexpr int kRendus = 6 * 2 * 2;  // six characteristics, two half points each from 2 down to 1, 2 PA each
    oDemon.AddPATotal(nSansPlace - kRendus);
    ASSERT_EQ(oDemon.GetPATotal(), kMax - kRendus);
    for (const CARACT eCaract : {FORCE, AGILITE, PERCEPTION, PRESENCE, VOLONTE, FOI})
        oDemon.BaisserCaracteristique(eCaract, 2);
    EXPECT_EQ(oDemon.GetPA(), kMax);

    EXPECT_TRUE(oDemon.RemovePASecondaire(kMax));
    EXPECT_TRUE(oDemon.RemovePASecondaire(kMax));
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{0, 0, kMax}));
}

TEST(RegleDesPoints, APowerPointCostsOnePA)
{
    Demon oDemon;
    oDemon.AugmenterPP(3);
    EXPECT_EQ(oDemon.GetPPValue(), 7);
    EXPECT_EQ(oDemon.GetPA(), 77);
}

TEST(RegleDesPoints, ThePPValueCountsTheWholePartOfFoiAndVolonte)
{
    Demon oDemon;
    ASSERT_TRUE(Amener(oDemon, FOI, 2.5f));
    EXPECT_EQ(oDemon.GetPPValue(), 4);
    ASSERT_TRUE(Amener(oDemon, VOLONTE, 2.5f));
    EXPECT_EQ(oDemon.GetPPValue(), 5);
}

TEST(RegleDesPoints, BuyingPPPastTheGradeCapIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.AugmenterPP(11);
    ASSERT_EQ(oDemon.GetPPValue(), 15);
    const Etat oAuPlafond = oDemon.Releve();

    oDemon.AugmenterPP(1);
    EXPECT_EQ(oDemon.Releve(), oAuPlafond);

    oDemon.SetGrade(1);
    oDemon.AugmenterPP(1);
    EXPECT_EQ(oDemon.GetPPValue(), 16);

    // Far past the cap the request is refused too, never wrapped round into an accepted one.
    oDemon.AugmenterPP(kMax);
    EXPECT_EQ(oDemon.GetPPValue(), 16);
}

TEST(RegleDesPoints, BuyingPPWithoutThePAIsRefused)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes({2, 0, 0});
    const Etat oAvant = oDemon.Releve();
    oDemon.AugmenterPP(3);
    EXPECT_EQ(oDemon.Releve(), oAvant);
}

TEST(RegleDesPoints, OnlyBoughtPPCanBeSoldBack)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.AugmenterPP(2);
    const Etat oAvecDeuxPP = oDemon.Releve();

    oDemon.DiminuerPP(3);
    EXPECT_EQ(oDemon.Releve(), oAvecDeuxPP);

    oDemon.DiminuerPP(2);
    EXPECT_EQ(oDemon.GetPPValue(), 4);
    EXPECT_EQ(oDemon.GetPA(), 80);

    const Etat oSansPP = oDemon.Releve();
    oDemon.DiminuerPP(1);
    EXPECT_EQ(oDemon.Releve(), oSansPP);
}

TEST(RegleDesPoints, PPPaidWithConvertedPointsComeBackAsPA)
{
    PersonnageDeTest<Demon> oDemon;
    oDemon.PoserSoldes({0, 2, 1});
    oDemon.AugmenterPP(1);
    ASSERT_EQ(SoldesDe(oDemon), (Soldes{0, 0, 0}));
    oDemon.DiminuerPP(1);
    EXPECT_EQ(SoldesDe(oDemon), (Soldes{1, 0, 0}));
}

struct Debut
{
    const char* oNom;
    std::unique_ptr<Personnage> (*pfCreer)();
    int nPA;
    int nBL;
};

using RegleDesPointsDebut = testing::TestWithParam<Debut>;

TEST_P(RegleDesPointsDebut, ANewCharacterStartsFromItsSidesPoints)
{
    const Debut& oCas = GetParam();
    const std::unique_ptr<Personnage> poPerso = oCas.pfCreer();
    EXPECT_EQ(poPerso->GetPA(), oCas.nPA);
    EXPECT_EQ(poPerso->GetPATotal(), oCas.nPA);
    EXPECT_EQ(SoldesDe(*poPerso), (Soldes{oCas.nPA, 0, 0}));
    EXPECT_EQ(poPerso->GetGrade(), 0);
    EXPECT_EQ(poPerso->GetSuperieur(), "");
    for (CARACT eCaract : {FORCE, AGILITE, PERCEPTION, PRESENCE, VOLONTE, FOI, AUCUNE})
        EXPECT_EQ(poPerso->GetCaract(eCaract), 2.0f) << eCaract;
    EXPECT_EQ(poPerso->GetPPValue(), 4);
    EXPECT_EQ(poPerso->GetPF(), 4);
    EXPECT_EQ(poPerso->GetBL(), oCas.nBL);
    EXPECT_EQ(poPerso->GetNumTalents(), 0);
    EXPECT_EQ(poPerso->GetNumPouvoirs(), 0);
}

INSTANTIATE_TEST_SUITE_P(RegleDesPoints, RegleDesPointsDebut,
                         testing::Values(Debut{"Ange", &Creer<Ange>, 100, 5}, Debut{"Demon", &Creer<Demon>, 80, 4},
                                         Debut{"SansCote", &Creer<Personnage>, 20, 0}),
                         NomDuCas());

struct Derivees
{
    const char* oNom;
    std::unique_ptr<Personnage> (*pfCreer)();
    float fForce;
    float fVolonte;
    int nPF;
    int nBL;
    int nBG;
    int nBF;
    int nMS;
};

using RegleDesPointsDerivees = testing::TestWithParam<Derivees>;

TEST_P(RegleDesPointsDerivees, FollowForceVolonteAndTheSide)
{
    const Derivees& oCas = GetParam();
    const std::unique_ptr<Personnage> poPerso = oCas.pfCreer();
    ASSERT_TRUE(Amener(*poPerso, FORCE, oCas.fForce));
    ASSERT_TRUE(Amener(*poPerso, VOLONTE, oCas.fVolonte));
    EXPECT_EQ(poPerso->GetPF(), oCas.nPF);
    EXPECT_EQ(poPerso->GetBL(), oCas.nBL);
    EXPECT_EQ(poPerso->GetBG(), oCas.nBG);
    EXPECT_EQ(poPerso->GetBF(), oCas.nBF);
    EXPECT_EQ(poPerso->GetMS(), oCas.nMS);
}

INSTANTIATE_TEST_SUITE_P(
    RegleDesPoints, RegleDesPointsDerivees,
    testing::Values(Derivees{"DemonForce35", &Creer<Demon>, 3.5f, 2.0f, 5, 5, 10, 15, 20},
                    Derivees{"AngeForce35", &Creer<Ange>, 3.5f, 2.0f, 5, 6, 12, 18, 24},
                    Derivees{"DemonForce25Volonte25", &Creer<Demon>, 2.5f, 2.5f, 5, 4, 8, 12, 16},
                    Derivees{"AngeForce25", &Creer<Ange>, 2.5f, 2.0f, 4, 5, 10, 15, 20},
                    Derivees{"DemonForce1", &Creer<Demon>, 1.0f, 1.5f, 2, 3, 6, 9, 12},
                    Derivees{"SansCoteForce35", &Creer<Personnage>, 3.5f, 2.0f, 5, 0, 0, 0, 0}),
    NomDuCas());
}
