#include "Joueur.h"

#include "Dialogues.h"
#include "Fiche.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{
const QString kDemon = QStringLiteral("&Faire un Demon");
const QString kAnge = QStringLiteral("&Faire un ange");
const QString kOuvrir = QStringLiteral("&Ouvrir…");
const QString kTable = QStringLiteral("&Table de jeu…");
const QString kQuitter = QStringLiteral("&Quitter");

QList<Fiche*> FichesOuvertes()
{
    QList<Fiche*> oFiches;
    for (QWidget* poFenetre : QApplication::topLevelWidgets())
    {
        if (auto* poFiche = qobject_cast<Fiche*>(poFenetre))
            oFiches << poFiche;
    }
    return oFiches;
}

bool EstUnDemon(const Fiche* poFiche)
{
    return dynamic_cast<const Demon*>(poFiche->GetPerso()) != nullptr;
}

bool EstUnAnge(const Fiche* poFiche)
{
    return dynamic_cast<const Ange*>(poFiche->GetPerso()) != nullptr;
}

// The value box of the column's first row.
QAbstractSpinBox* BoiteDeLaLigne(const QVBoxLayout* poColonne)
{
    return Lignes(poColonne).value(0)->findChild<QDoubleSpinBox*>();
}
}

class FenetreDepartTest : public QObject
{
    Q_OBJECT

private slots:
    // The window as it opens.
    void StartWindowHasAFixedSizeOf150By200();
    void StartWindowHasNoTitle();
    void StartWindowOffersFiveLargeButtons_data();
    void StartWindowOffersFiveLargeButtons();
    void ButtonsStandInOneColumnInTheirOrder();
    void StartWindowShowsItsPictureWhenItIsThere_data();
    void StartWindowShowsItsPictureWhenItIsThere();
    void FirstSheetIsHiddenAndHoldsNoCharacter();

    // The creation commands.
    void CreationButtonOpensAFreshSheetOfItsSide_data();
    void CreationButtonOpensAFreshSheetOfItsSide();
    void EachCreationReplacesTheSheetAndLosesItsEdits_data();
    void EachCreationReplacesTheSheetAndLosesItsEdits();
    void ANumberStillBeingTypedGoesWithItsSheet_data();
    void ANumberStillBeingTypedGoesWithItsSheet();
    void ClosingAModifiedSheetAsksThereAndThenAndOnlyHidesIt();
    void ClosingTheStartWindowTakesTheSheetWithIt();

    // The end of the program.
    void QuitEndsTheProgram_data();
    void QuitEndsTheProgram();
    void ClosingEveryWindowEndsTheProgram_data();
    void ClosingEveryWindowEndsTheProgram();
};

void FenetreDepartTest::StartWindowHasAFixedSizeOf150By200()
{
    MyWidget oFenetre;
    oFenetre.setGeometry(100, 100, 250, 355);
    oFenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&oFenetre));

    QCOMPARE(oFenetre.size(), QSize(150, 200));
    QCOMPARE(oFenetre.minimumSize(), QSize(150, 200));
    QCOMPARE(oFenetre.maximumSize(), QSize(150, 200));
}

void FenetreDepartTest::StartWindowHasNoTitle()
{
    MyWidget oFenetre;

    QCOMPARE(oFenetre.windowTitle(), QString());
}

void FenetreDepartTest::StartWindowOffersFiveLargeButtons_data()
{
    QTest::addColumn<QString>("texte");

    QTest::newRow("make a demon") << kDemon;
    QTest::newRow("make an angel") << kAnge;
    QTest::newRow("open") << kOuvrir;
    QTest::newRow("game table") << kTable;
    QTest::newRow("quit") << kQuitter;
}

void FenetreDepartTest::StartWindowOffersFiveLargeButtons()
{
    QFETCH(QString, texte);
    MyWidget oFenetre;

    QCOMPARE(oFenetre.findChildren<QPushButton*>().size(), 5);
    const QPushButton* poBouton = Bouton(oFenetre, texte);
    QVERIFY(poBouton != nullptr);
    QCOMPARE(poBouton->font().family(), QStringLiteral("Times"));
    QCOMPARE(poBouton->font().pointSize(), 12);
    QCOMPARE(poBouton->font().weight(), QFont::Bold);
    QVERIFY(!poBouton->font().italic());
}

void FenetreDepartTest::ButtonsStandInOneColumnInTheirOrder()
{
    MyWidget oFenetre;

    auto* poGrille = qobject_cast<QGridLayout*>(oFenetre.layout());
    QVERIFY(poGrille != nullptr);
    QCOMPARE(poGrille->columnCount(), 1);
    const QStringList oOrdre{kDemon, kAnge, kOuvrir, kTable, kQuitter};
    QCOMPARE(poGrille->rowCount(), oOrdre.size());
    for (int nLigne = 0; nLigne < oOrdre.size(); ++nLigne)
        QCOMPARE(poGrille->itemAtPosition(nLigne, 0)->widget(), Bouton(oFenetre, oOrdre[nLigne]));
}

void FenetreDepartTest::StartWindowShowsItsPictureWhenItIsThere_data()
{
    LignesAvecEtSansImages();
}

void FenetreDepartTest::StartWindowShowsItsPictureWhenItIsThere()
{
    QFETCH(bool, images);
    const Lancement oLancement(images);

    const auto poFenetre = OuvrirDepart();
    QVERIFY(poFenetre);

    QCOMPARE(poFenetre->palette().brush(QPalette::Window).texture().isNull(), !images);
    QCOMPARE(poFenetre->findChildren<QPushButton*>().size(), 5);
}

void FenetreDepartTest::FirstSheetIsHiddenAndHoldsNoCharacter()
{
    const auto poFenetre = OuvrirDepart();
    QVERIFY(poFenetre);

    const Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(poFiche != nullptr);
    QVERIFY(!poFiche->isVisible());
    QVERIFY(poFiche->GetPerso() == nullptr);
    QCOMPARE(poFiche->size(), QSize(666, 550));
    QCOMPARE(FichesOuvertes().size(), 1);
}

void FenetreDepartTest::CreationButtonOpensAFreshSheetOfItsSide_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<bool>("demon");
    QTest::addColumn<int>("pa");

    QTest::newRow("demon") << kDemon << true << 80;
    QTest::newRow("angel") << kAnge << false << 100;
}

void FenetreDepartTest::CreationButtonOpensAFreshSheetOfItsSide()
{
    QFETCH(QString, bouton);
    QFETCH(bool, demon);
    QFETCH(int, pa);
    const auto poFenetre = OuvrirDepart();
    QVERIFY(poFenetre);
    const QPointer<Fiche> poPremiere = poFenetre->GetFiche();

    Joueur::Cliquer(Bouton(*poFenetre, bouton));

    QVERIFY(poPremiere.isNull());
    Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(poFiche != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(poFiche));
    QCOMPARE(EstUnDemon(poFiche), demon);
    QCOMPARE(EstUnAnge(poFiche), !demon);
    QCOMPARE(poFiche->windowTitle(), QStringLiteral("VEXAL Fiche de perso Version 1.0"));
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(pa));
    QCOMPARE(FichesOuvertes(), QList<Fiche*>{poFiche});
}

void FenetreDepartTest::EachCreationReplacesTheSheetAndLosesItsEdits_data()
{
    QTest::addColumn<QString>("premier");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("demon");
    QTest::addColumn<int>("pa");

    QTest::newRow("demon then demon") << kDemon << kDemon << true << 80;
    QTest::newRow("demon then angel") << kDemon << kAnge << false << 100;
    QTest::newRow("angel then demon") << kAnge << kDemon << true << 80;
    QTest::newRow("angel then angel") << kAnge << kAnge << false << 100;
}

void FenetreDepartTest::EachCreationReplacesTheSheetAndLosesItsEdits()
{
    QFETCH(QString, premier);
    QFETCH(QString, second);
    QFETCH(bool, demon);
    QFETCH(int, pa);
    const auto poFenetre = OuvrirDepart(premier);
    QVERIFY(poFenetre);
    const QPointer<Fiche> poAncienne = poFenetre->GetFiche();
    Joueur::Monter(poAncienne->ForceValue, 2);
    QCOMPARE(poAncienne->GetPerso()->GetCaract(FORCE), 3.0f);

    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    Joueur::Cliquer(Bouton(*poFenetre, second));

    QVERIFY2(!Dialogues::ProchaineReponse(), "the player was not asked before the edits went");
    QVERIFY(poAncienne.isNull());
    Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(QTest::qWaitForWindowExposed(poFiche));
    QCOMPARE(EstUnDemon(poFiche), demon);
    QCOMPARE(poFiche->GetPerso()->GetCaract(FORCE), 2.0f);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    QCOMPARE(poFiche->ForceValue->value(), 2.0);
    QCOMPARE(FichesOuvertes(), QList<Fiche*>{poFiche});
}

void FenetreDepartTest::ANumberStillBeingTypedGoesWithItsSheet_data()
{
    QTest::addColumn<std::function<QAbstractSpinBox*(Fiche&)>>("boite");

    QTest::newRow("characteristic") << std::function([](Fiche& oFiche) -> QAbstractSpinBox* {
        return oFiche.ForceValue;
    });
    QTest::newRow("talent row") << std::function([](Fiche& oFiche) -> QAbstractSpinBox* {
        return Joueur::AjouterTalent(oFiche, "Acrobatie") ? BoiteDeLaLigne(oFiche.vboxLayout1) : nullptr;
    });
    QTest::newRow("power row") << std::function([](Fiche& oFiche) -> QAbstractSpinBox* {
        return Joueur::AjouterPouvoir(oFiche, "Vol") ? BoiteDeLaLigne(oFiche.vboxLayout) : nullptr;
    });
}

// Deleting the sheet hides its boxes, and a box that loses sight of a number still being typed takes it: the number
// must not reach the sheet that is going, nor its character.
void FenetreDepartTest::ANumberStillBeingTypedGoesWithItsSheet()
{
    QFETCH(std::function<QAbstractSpinBox*(Fiche&)>, boite);
    const auto poFenetre = OuvrirDepart(kDemon);
    QVERIFY(poFenetre);
    const QPointer<Fiche> poAncienne = poFenetre->GetFiche();
    QAbstractSpinBox* poBoite = boite(*poAncienne);
    QVERIFY(poBoite != nullptr);
    const int nPA = poAncienne->GetPerso()->GetPA();
    Joueur::Entamer(poBoite, "3");
    QCOMPARE(poAncienne->GetPerso()->GetPA(), nPA);

    Dialogues::SetProchaineReponse(Dialogues::Reponse::NePasEnregistrer);
    Joueur::Cliquer(Bouton(*poFenetre, kDemon));
    Dialogues::SetProchaineReponse(std::nullopt);

    QVERIFY(poAncienne.isNull());
    Fiche* poFiche = poFenetre->GetFiche();
    QVERIFY(QTest::qWaitForWindowExposed(poFiche));
    QCOMPARE(poFiche->GetPerso()->GetPA(), 80);
    QCOMPARE(poFiche->PArestantValue->text(), "80");
}

void FenetreDepartTest::ClosingAModifiedSheetAsksThereAndThenAndOnlyHidesIt()
{
    const auto poFenetre = OuvrirDepart(kDemon);
    QVERIFY(poFenetre);
    const QPointer<Fiche> poFiche = poFenetre->GetFiche();
    Joueur::Monter(poFiche->ForceValue);

    Dialogues::SetProchainesReponses({QStringLiteral("Annuler"), QStringLiteral("Ne pas enregistrer")});
    QVERIFY(!poFiche->close());
    QVERIFY(poFiche->isVisible());
    QVERIFY(poFiche->close());

    QVERIFY(Dialogues::ProchainesReponses().isEmpty());
    // Let go, the character is asked about no more.
    QVERIFY(poFiche->PeutAbandonner());
    QVERIFY(!poFiche.isNull());
    QVERIFY(!poFiche->isVisible());
    QCOMPARE(poFiche->GetPerso()->GetCaract(FORCE), 2.5f);
}

void FenetreDepartTest::ClosingTheStartWindowTakesTheSheetWithIt()
{
    auto poFenetre = OuvrirDepart(kAnge);
    QVERIFY(poFenetre);
    const QPointer<Fiche> poFiche = poFenetre->GetFiche();
    QVERIFY(!poFiche.isNull());

    poFenetre.reset();

    QVERIFY(poFiche.isNull());
    QVERIFY(FichesOuvertes().isEmpty());
}

void FenetreDepartTest::QuitEndsTheProgram_data()
{
    QTest::addColumn<QString>("avant");
    QTest::addColumn<bool>("clavier");

    QTest::newRow("clicked, no sheet open") << QString() << false;
    QTest::newRow("clicked, a demon sheet open") << kDemon << false;
    QTest::newRow("clicked, an angel sheet open") << kAnge << false;
    QTest::newRow("Alt+Q, a demon sheet open") << kDemon << true;
}

void FenetreDepartTest::QuitEndsTheProgram()
{
    QFETCH(QString, avant);
    QFETCH(bool, clavier);
    const auto poFenetre = OuvrirDepart(avant);
    QVERIFY(poFenetre);
    const QPointer<Fiche> poFiche = poFenetre->GetFiche();
    poFenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(poFenetre.get()));
    QSignalSpy oFin(qApp, &QCoreApplication::aboutToQuit);

    const int nRetour = Executer([&] {
        if (clavier)
            QTest::keyClick(poFenetre.get(), Qt::Key_Q, Qt::AltModifier);
        else
            Joueur::Cliquer(Bouton(*poFenetre, kQuitter));
    });

    QCOMPARE(nRetour, 0);
    QCOMPARE(oFin.count(), 1);
    QVERIFY(!poFiche.isNull());
}

void FenetreDepartTest::ClosingEveryWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("avant");

    QTest::newRow("start window alone") << QString();
    QTest::newRow("sheet, then start window") << kDemon;
}

void FenetreDepartTest::ClosingEveryWindowEndsTheProgram()
{
    QFETCH(QString, avant);
    const auto poFenetre = OuvrirDepart(avant);
    QVERIFY(poFenetre);

    const int nRetour = Executer([&] {
        poFenetre->GetFiche()->close();
        poFenetre->close();
    });

    QCOMPARE(nRetour, 0);
}

QTEST_MAIN(FenetreDepartTest)
#include "FenetreDepartTest.moc"
