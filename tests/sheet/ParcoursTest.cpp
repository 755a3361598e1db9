#include "Joueur.h"

#include "Dialogues.h"
#include "Fiche.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// Lines 1, 6 and 7 end with a space.
const QByteArray kFicheAttendue = "Fiche de Personnage VEXAL Version 1.0 \n"
                                  "\n"
                                  "Superieur : Baal\n"
                                  "Grade : 1\n"
                                  "\n"
                                  "FORCE: 3 AGILITE: 3+ PERCEPTION: 1+ \n"
                                  "PRESENCE: 2 VOLONTE: 2 FOI: 2+ \n"
                                  "\n"
                                  "PP :7\n"
                                  "PF :5\n"
                                  "BL :5\n"
                                  "BG :10\n"
                                  "BF :15\n"
                                  "MS :20\n"
                                  "\n"
                                  "\n"
                                  "TALENTS PRIMAIRE:\n"
                                  "\n"
                                  "    Combat(2+)\n"
                                  "    Combat(Spe)(2+)\n"
                                  "    Fouille(0+)\n"
                                  "\n"
                                  "TALENTS SECONDAIRE:\n"
                                  "\n"
                                  "    Acrobatie(3)\n"
                                  "    LangueAnglais(1+)\n"
                                  "\n"
                                  "TALENTS EXOTIQUE:\n"
                                  "\n"
                                  "    Torture(2)\n"
                                  "\n"
                                  "POUVOIRS :\n"
                                  "\n"
                                  "    ArtDeCombat(1+)\n"
                                  "    Poison(1)\n";

QDoubleSpinBox* BoiteTalent(const Fiche& oFiche, const QString& oNom)
{
    return BoiteDe(Ligne(oFiche.vboxLayout1, oNom));
}

QDoubleSpinBox* BoitePouvoir(const Fiche& oFiche, const QString& oNom)
{
    return BoiteDe(Ligne(oFiche.vboxLayout, oNom));
}
}

class ParcoursTest : public QObject
{
    Q_OBJECT

private slots:
    void PlayerBuildsADemonAndExportsIt();
};

void ParcoursTest::PlayerBuildsADemonAndExportsIt()
{
    QTemporaryDir oDossier;
    QStringList oAvertissements;
    Dialogues::SetTemoinAvertissements(&oAvertissements);
    const auto oFin = qScopeGuard([] { Dialogues::SetTemoinAvertissements(nullptr); });
    const auto poFenetre = OuvrirDepart("&Faire un Demon");
    QVERIFY(poFenetre);
    Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(QTest::qWaitForWindowExposed(poFiche));
    Fiche& oFiche = *poFiche;
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("80"));

    // One digit too many refuses the number whole rather than cutting it to 100.
    Joueur::Taper(oFiche.spinBoxPATOT, "1000");
    QCOMPARE(oFiche.spinBoxPATOT->text(), QStringLiteral("80"));
    QCOMPARE(oFiche.BarreEtat->text(), QStringLiteral("Total PA va de 0 à 999"));
    Joueur::Taper(oFiche.spinBoxPATOT, "100");
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("100"));
    Joueur::Monter(oFiche.spinBoxGRADE);
    QCOMPARE(oFiche.spinBoxGRADE->value(), 1);

    QVERIFY(Joueur::AjouterPouvoir(oFiche, "ArtDeCombat"));
    QVERIFY(Lignes(oFiche.vboxLayout).isEmpty());
    QVERIFY(Joueur::Choisir(oFiche.SuperieurListe, "Baal"));
    QCOMPARE(oFiche.SupLabel->text(), QStringLiteral("Baal"));

    Joueur::Monter(oFiche.ForceValue, 2);
    Joueur::Taper(oFiche.AgiliteValue, "3.5");
    Joueur::Descendre(oFiche.PerceptionValue);
    Joueur::Monter(oFiche.FoiValue);
    Joueur::Monter(oFiche.PPValue, 3);
    QCOMPARE(oFiche.AgiliteValue->value(), 3.5);
    QCOMPARE(oFiche.PPValue->value(), 7);
    QCOMPARE(oFiche.PFValue->text(), QStringLiteral("5"));
    QCOMPARE(oFiche.BLValue->text(), QStringLiteral("5"));
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("87"));

    QVERIFY(Joueur::AjouterTalent(oFiche, "Combat"));
    Joueur::Monter(BoiteTalent(oFiche, "Combat(Spe)"), 2);
    Joueur::Monter(BoiteTalent(oFiche, "Combat"), 2);
    QVERIFY(Joueur::AjouterTalent(oFiche, "Fouille"));
    Joueur::Monter(BoiteTalent(oFiche, "Fouille"));
    QVERIFY(Joueur::AjouterTalent(oFiche, "Acrobatie"));
    Joueur::Monter(BoiteTalent(oFiche, "Acrobatie"), 3);
    QVERIFY(Joueur::AjouterTalent(oFiche, "LangueAnglais"));
    Joueur::Monter(BoiteTalent(oFiche, "LangueAnglais"), 2);
    QVERIFY(Joueur::AjouterTalent(oFiche, "Torture"));
    Joueur::Monter(BoiteTalent(oFiche, "Torture"), 2);
    QCOMPARE(NomsDesLignes(oFiche.vboxLayout1),
             QStringList({"Combat", "Combat(Spe)", "Fouille", "Acrobatie", "LangueAnglais", "Torture"}));
    QCOMPARE(BoiteTalent(oFiche, "Combat")->value(), 2.5);
    QCOMPARE(BoiteTalent(oFiche, "Fouille")->value(), 1.5);
    QCOMPARE(BoiteTalent(oFiche, "Acrobatie")->value(), 3.0);
    QCOMPARE(BoiteTalent(oFiche, "LangueAnglais")->value(), 1.5);
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("80"));
    QCOMPARE(oFiche.PASecondaireValue->text(), QStringLiteral("1"));

    QVERIFY(Joueur::AjouterPouvoir(oFiche, "Poison"));
    Joueur::Monter(BoitePouvoir(oFiche, "Poison"));
    QVERIFY(Joueur::AjouterPouvoir(oFiche, "ArtDeCombat"));
    Joueur::Monter(BoitePouvoir(oFiche, "ArtDeCombat"), 2);
    QVERIFY(Joueur::AjouterPouvoir(oFiche, "Charme"));
    Joueur::Cocher(Ligne(oFiche.vboxLayout, "Charme"));
    Joueur::Cliquer(oFiche.RemovePouvoir);
    QCOMPARE(NomsDesLignes(oFiche.vboxLayout), QStringList({"Poison", "ArtDeCombat"}));
    QCOMPARE(BoitePouvoir(oFiche, "ArtDeCombat")->value(), 1.5);
    QCOMPARE(oFiche.PArestantValue->text(), QStringLiteral("65"));
    QCOMPARE(oFiche.PASecondaireValue->text(), QStringLiteral("1"));
    QCOMPARE(oFiche.PAConvertiValue->text(), QStringLiteral("0"));
    VERIFIER_FICHE(oFiche);

    const QString oChemin = oDossier.filePath("baal.txt");
    Dialogues::SetProchainNom(oChemin);
    Joueur::Cliquer(oFiche.Export);

    QFile oFichier(oChemin);
    QVERIFY(oFichier.open(QIODevice::ReadOnly));
    QCOMPARE(oFichier.readAll(), kFicheAttendue);
    QCOMPARE(QDir(oDossier.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"baal.txt"});
    QVERIFY(oAvertissements.isEmpty());
}

QTEST_MAIN(ParcoursTest)
#include "ParcoursTest.moc"
