#include "Joueur.h"

#include "Fiche.h"
#include "PouvoirTalentWidget.h"
#include "model/Demon.h"

#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>

namespace
{
// Three notches of a wheel turned over the middle of a widget; whether the widget took them. What it leaves goes
// on to the widgets behind it, when the wheel comes from the window system.
bool Tourner(QWidget* poWidget)
{
    const QPointF oCentre = QRectF(poWidget->rect()).center();
    QWheelEvent oRoulette(oCentre, poWidget->mapToGlobal(oCentre), QPoint(), QPoint(0, 3 * 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(poWidget, &oRoulette);
    return oRoulette.isAccepted();
}

}

class AideTest : public QObject
{
    Q_OBJECT

private slots:
    void ARefusalSaysWhyUntilTheNextEdit();
    void TheWheelChangesOnlyTheBoxThePlayerClickedInto();
    void TabFollowsTheSheetThenItsRows();
    void APointOrACommaMakesAHalf();
    void TheListsSayWhatTheCharacterCannotTakeNow();
};

void AideTest::ARefusalSaysWhyUntilTheNextEdit()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(poFiche->BarreEtat->text().isEmpty());

    Joueur::Taper(poFiche->PPValue, QStringLiteral("20"));
    QCOMPARE(poFiche->PPValue->value(), 4);
    QCOMPARE(poFiche->BarreEtat->text(), QStringLiteral("Au grade 0, les PP ne dépassent pas 15"));

    Joueur::Monter(poFiche->ForceValue);
    QVERIFY(poFiche->BarreEtat->text().isEmpty());
    // A characteristic box goes no further than the grade allows: what is typed beyond is refused with its reason.
    Joueur::Taper(poFiche->AgiliteValue, QStringLiteral("6"));
    QCOMPARE(poFiche->BarreEtat->text(), QStringLiteral("Au grade 0, Agilité ne dépasse pas 5,5"));
    Joueur::Monter(poFiche->ForceValue);

    QVERIFY(Joueur::AjouterTalent(*poFiche, QStringLiteral("Acrobatie")));
    Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, QStringLiteral("Acrobatie"))));
    QCOMPARE(poFiche->BarreEtat->text(), QStringLiteral("1 PA converti en 2 PA secondaires"));
}

// Turned over a box or a list the player has not clicked into, the wheel is left to the column and spends nothing.
void AideTest::TheWheelChangesOnlyTheBoxThePlayerClickedInto()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, QStringLiteral("Vol")));
    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, QStringLiteral("Baal")));
    poFiche->setFocus();
    QDoubleSpinBox* poBoite = BoiteDe(Lignes(poFiche->vboxLayout).first());
    const int nPA = poFiche->GetPerso()->GetPA();

    QVERIFY(!Tourner(poBoite));
    QVERIFY(!Tourner(poFiche->SuperieurListe));
    QVERIFY(!Tourner(poFiche->ForceValue));

    QCOMPARE(poFiche->GetPerso()->GetPA(), nPA);
    QCOMPARE(poFiche->SuperieurListe->currentText(), QStringLiteral("Baal"));

    QTest::mouseClick(poBoite, Qt::LeftButton);
    QVERIFY(poBoite->hasFocus());
    QVERIFY(Tourner(poBoite));
    QVERIFY(poFiche->GetPerso()->GetPA() < nPA);
}

// The character first, from its name down the sheet and through its rows; the commands on the right last.
void AideTest::TabFollowsTheSheetThenItsRows()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, QStringLiteral("Combat")));
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, QStringLiteral("Vol")));

    // The widgets Tab stops at, from the first one, once round the chain.
    QList<QWidget*> oOrdre;
    QWidget* poWidget = poFiche->NomValue;
    do
    {
        // A box's own line edit is part of the box.
        const bool bDeLaFiche = poWidget->parentWidget() == poFiche.get()
            || qobject_cast<PouvoirTalentWidget*>(poWidget->parentWidget()) != nullptr;
        if (bDeLaFiche && (poWidget->focusPolicy() & Qt::TabFocus) && poWidget->isVisibleTo(poFiche.get()))
            oOrdre << poWidget;
        poWidget = poWidget->nextInFocusChain();
    } while (poWidget != poFiche->NomValue);

    Fiche& f = *poFiche;
    QList<QWidget*> oAttendu = {f.NomValue,        f.spinBoxPATOT,    f.SuperieurListe, f.spinBoxGRADE,
                                f.ForceValue,      f.AgiliteValue,    f.PerceptionValue, f.PresenceValue,
                                f.VolonteValue,    f.FoiValue,        f.PPValue,         f.PouvoirsListe,
                                f.comboBoxTalents, f.AddPouvoir,      f.AddTalent,       f.RemovePouvoir,
                                f.RemoveTalent};
    for (QVBoxLayout* poColonne : {f.vboxLayout, f.vboxLayout1})
    {
        for (PouvoirTalentWidget* poLigne : Lignes(poColonne))
            oAttendu << poLigne->findChild<QCheckBox*>() << BoiteDe(poLigne);
    }
    oAttendu << f.Export << f.PageWeb << f.Ouvrir << f.Enregistrer << f.Annuler << f.Retablir << f.Pdf << f.Imprimer << f.JournalBouton << f.Notes;
    QCOMPARE(oOrdre, oAttendu);
}

void AideTest::APointOrACommaMakesAHalf()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    for (const char* oTexte : {"3,5", "2.5"})
    {
        QTest::keyClick(poFiche->ForceValue, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(poFiche->ForceValue, QLatin1String(oTexte));
        QTest::keyClick(poFiche->ForceValue, Qt::Key_Return);
        QCOMPARE(poFiche->GetPerso()->GetCaract(FORCE), QString::fromLatin1(oTexte).replace(',', '.').toFloat());
    }
}

void AideTest::TheListsSayWhatTheCharacterCannotTakeNow()
{
    const auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    // As the player sees it, once the list is open.
    const auto Aide = [&](QComboBox* poListe, const char* oEntree) {
        QTest::keyClick(poListe, Qt::Key_F4);
        QTest::keyClick(poListe->view(), Qt::Key_Escape);
        return poListe->itemData(poListe->findText(QLatin1String(oEntree)), Qt::ToolTipRole).toString();
    };
    QCOMPARE(Aide(poFiche->PouvoirsListe, "ArtDeCombat"), QStringLiteral("Réservé aux serviteurs de Baal"));
    QCOMPARE(Aide(poFiche->comboBoxTalents, "Combat"),
             QStringLiteral("Talent primaire (Agilité) : 1 PA le demi-point, qui rapporte 1 PA secondaire"));

    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, QStringLiteral("Baal")));
    QVERIFY(Joueur::AjouterTalent(*poFiche, QStringLiteral("Combat")));
    QCOMPARE(Aide(poFiche->PouvoirsListe, "ArtDeCombat"),
             QStringLiteral("3 PA le demi-point, réservé aux serviteurs de Baal"));
    QCOMPARE(Aide(poFiche->comboBoxTalents, "Combat"), QStringLiteral("Déjà acquis"));
}

QTEST_MAIN(AideTest)
#include "AideTest.moc"
