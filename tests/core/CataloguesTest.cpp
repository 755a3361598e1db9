#include "Banc.h"

#include "catalogue/ListePouvoirs.h"
#include "catalogue/ListeTalents.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// A talent record that counts its own deletion.
class TalentCompte : public Talent
{
public:
    explicit TalentCompte(int& nDetruits)
        : Talent("Zz", SECONDAIRE, AUCUNE),
          mnDetruits(nDetruits)
    {
    }
    ~TalentCompte() override { ++mnDetruits; }

private:
    int& mnDetruits;
};

// The maps are open to their callers: a record filed there belongs to the map, one taken out to the caller.
// The sanitizer build sees a record deleted twice or never.
TEST(Catalogues, TheMapsOwnTheRecordsTheyHold)
{
    int nDetruits = 0;
    std::unique_ptr<Talent> poJeu;
    std::unique_ptr<Pouvoir> poVol;
    {
        ListeTalents oTalents;
        ListeTalents::Map& oMapTalents = *oTalents.GetInstanceTalents();
        oMapTalents["Zz"] = new TalentCompte(nDetruits);
        oTalents.DetruireListeDesTalents();
        EXPECT_EQ(nDetruits, 1);
        EXPECT_TRUE(oMapTalents.empty());

        oTalents.InitListeDesTalents();
        oMapTalents["Zz"] = new TalentCompte(nDetruits);
        poJeu.reset(oMapTalents.at("Jeu"));
        oMapTalents.erase("Jeu");

        ListePouvoirs oPouvoirs(ANGE);
        ListePouvoirs::Map& oMapPouvoirs = *oPouvoirs.GetInstancePouvoirs();
        oMapPouvoirs["Zz"] = new Pouvoir("Zz", 1);
        poVol.reset(oMapPouvoirs.at("Vol"));
        oMapPouvoirs.erase("Vol");
        EXPECT_EQ(nDetruits, 1);
    }
    EXPECT_EQ(nDetruits, 2);
    EXPECT_EQ(poJeu->GetName(), "Jeu");
    EXPECT_EQ(poVol->GetCout(), 3);
}

// A demon whose holdings a test files and takes out directly, as a side of its own could.
class DemonOuvert : public Demon
{
public:
    using Demon::moPouvoirs;
    using Demon::moTalents;
};

TEST(Catalogues, TheCharacterOwnsTheRecordsItsMapsHold)
{
    int nDetruits = 0;
    std::unique_ptr<Talent> poAcrobatie;
    std::unique_ptr<Pouvoir> poVol;
    {
        DemonOuvert oDemon;
        oDemon.moTalents["Zz"] = new TalentCompte(nDetruits);
        ASSERT_TRUE(oDemon.EnleverTalentBase("Zz"));
        EXPECT_EQ(nDetruits, 1);
        EXPECT_EQ(oDemon.moTalents.at("Zz"), nullptr);
        oDemon.moTalents["Zz"] = new TalentCompte(nDetruits);

        Acquerir(oDemon, "Acrobatie");
        poAcrobatie.reset(oDemon.moTalents.at("Acrobatie"));
        oDemon.moTalents.erase("Acrobatie");
        ASSERT_TRUE(oDemon.AjouterPouvoirBase("Vol"));
        poVol.reset(oDemon.moPouvoirs.at("Vol"));
        oDemon.moPouvoirs.erase("Vol");
        oDemon.moPouvoirs["Zz"] = new Pouvoir("Zz", 1);
    }
    EXPECT_EQ(nDetruits, 2);
    EXPECT_EQ(poAcrobatie->GetName(), "Acrobatie");
    EXPECT_EQ(poVol->GetNiveau(), 0.5);
}

TEST(Catalogues, NamesTheCataloguesLackAreRefusedAndAddNothing)
{
    Demon oDemon;
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("membres_crocs"));
    EXPECT_FALSE(oDemon.AjouterPouvoirBase("ChantAngelique"));
    oDemon.AjouterTalentBase("Inconnu", PRIMAIRE, FORCE);
    oDemon.AjouterTalentBase("combat", PRIMAIRE, AGILITE);

    EXPECT_EQ(oDemon.GetListeDesPouvoirs()->size(), 159u);
    EXPECT_EQ(oDemon.GetListeDesTalents()->size(), 75u);
    EXPECT_EQ(oDemon.GetNumPouvoirs(), 0);
    EXPECT_EQ(oDemon.GetNumTalents(), 0);
    EXPECT_TRUE(oDemon.AjouterPouvoirBase("Membres_crocs"));
}

TEST(Catalogues, EachCharacterHasCataloguesOfItsOwn)
{
    auto poPremier = std::make_unique<Demon>();
    Demon oSecond;
    Pouvoir* poPoisonDuSecond = oSecond.GetListeDesPouvoirs()->at("Poison");
    Talent* poCombatDuSecond = oSecond.GetListeDesTalents()->at("Combat");
    Pouvoir* poPoisonDuPremier = poPremier->GetListeDesPouvoirs()->at("Poison");
    Talent* poCombatDuPremier = poPremier->GetListeDesTalents()->at("Combat");
    ASSERT_NE(poPoisonDuPremier, poPoisonDuSecond);
    ASSERT_NE(poCombatDuPremier, poCombatDuSecond);
    EXPECT_NE(poCombatDuPremier->GetSpecialite(), poCombatDuSecond->GetSpecialite());

    poPoisonDuPremier->SetNiveau(2.0);
    poCombatDuPremier->SetNiveau(1.5f);
    EXPECT_EQ(poPoisonDuSecond->GetNiveau(), 0.0);
    EXPECT_EQ(poCombatDuSecond->GetNiveau(), 0.0f);

    poPremier.reset();
    EXPECT_EQ(oSecond.GetListeDesPouvoirs()->size(), 159u);
    EXPECT_EQ(oSecond.GetListeDesTalents()->size(), 75u);
    EXPECT_EQ(poPoisonDuSecond->GetCout(), 3);
    EXPECT_EQ(poCombatDuSecond->GetSpecialite()->GetName(), "Combat(Spe)");
}

TEST(Catalogues, WhatACharacterHoldsAreCopiesThatLeaveTheCataloguesAsBuilt)
{
    Ange oAnge;
    ASSERT_TRUE(oAnge.AjouterPouvoirBase("Vol"));
    oAnge.AugmenterPouvoir("Vol", 2);
    Acquerir(oAnge, "Combat");
    oAnge.AugmenterTalent("Combat(Spe)", 3);

    const Pouvoir* poVol = oAnge.GetListeDesPouvoirs()->at("Vol");
    const Talent* poCombat = oAnge.GetListeDesTalents()->at("Combat");
    const Talent* poSpecialite = oAnge.GetListeDesTalents()->at("Combat(Spe)");
    EXPECT_NE(oAnge.GetPouvoir("Vol"), poVol);
    EXPECT_NE(oAnge.GetTalent("Combat"), poCombat);
    EXPECT_NE(oAnge.GetTalent("Combat")->GetSpecialite(), poSpecialite);
    EXPECT_EQ(oAnge.GetTalent("Combat")->GetSpecialite(), oAnge.GetTalent("Combat(Spe)"));
    EXPECT_EQ(poVol->GetNiveau(), 0.0);
    EXPECT_EQ(poSpecialite->GetNiveau(), 0.0f);
    EXPECT_EQ(poCombat->GetSpecialite(), poSpecialite);
}
}
