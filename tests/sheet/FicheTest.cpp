#include "Joueur.h"

#include "Fiche.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QImage>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <functional>

namespace
{
using Geste = std::function<void(Fiche&)>;

const QStringList kPrincesDemons = {
    "Abalam",   "Andromalius", "Andrealphus", "Asmodee", "Baal",    "Baalberith", "Bifrons", "Beleth",
    "Belial",   "Caym",        "Crocell",     "Furfur",  "Gaziel",  "Haagenti",   "Kobal",   "Kronos",
    "Malphas",  "Malthus",     "Mammon",      "Morax",   "Nisroch", "Nog",        "Nybbas",  "Ouikka",
    "Samigina", "Scox",        "Shaytan",     "Uphir",   "Valefor", "Vapula",     "Vephar",
};

const QStringList kArchanges = {
    "Alain",   "Ange", "Blandine", "Christophe", "Daniel",   "Didier",  "Dominique",
    "Francis", "Guy",  "Janus",    "Jean",       "Jean-Luc", "Jordi",   "Joseph",
    "Laurent", "Marc", "Mathias",  "Michel",     "Novalis",  "Walther", "Yves",
};

const QStringList kBoitesCaract = {"ForceValue",    "AgiliteValue", "PerceptionValue",
                                   "PresenceValue", "VolonteValue", "FoiValue"};

// A demon that counts how often the sheet reads its derived values: every refresh reads them the
// same number of times, and nothing else on the sheet reads them.
class DemonCompte : public Demon
{
public:
    int GetBL() const override
    {
        ++mnLectures;
        return Demon::GetBL();
    }
    int GetLectures() const { return mnLectures; }

private:
    mutable int mnLectures = 0;
};

// While it lives, the sheet reads "[Baal]" for Baal and "[80]" for 80, as for every number; other texts stay.
class TraductionEntreCrochets : public QTranslator
{
public:
    TraductionEntreCrochets() { QCoreApplication::installTranslator(this); }
    ~TraductionEntreCrochets() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        const QString oTexte = QString::fromUtf8(sourceText);
        static const QRegularExpression oTraduits(QStringLiteral("^(Baal|[0-9]+)$"));
        if (qstrcmp(context, "VEXALFiche") != 0 || !oTraduits.match(oTexte).hasMatch())
            return {};
        return QLatin1Char('[') + oTexte + QLatin1Char(']');
    }
};

// Byte order, the order in which the catalogues keep their names.
bool EnOrdreDesOctets(const QStringList& oNoms)
{
    return std::adjacent_find(oNoms.begin(), oNoms.end(), [](const QString& oAvant, const QString& oApres) {
               return oAvant.toLatin1() >= oApres.toLatin1();
           }) == oNoms.end();
}

QDoubleSpinBox* BoiteCaract(Fiche& oFiche, const QString& oNom)
{
    return oFiche.findChild<QDoubleSpinBox*>(oNom);
}

QScrollArea* ZoneDe(QWidget* poColonne)
{
    return qobject_cast<QScrollArea*>(poColonne->parentWidget()->parentWidget());
}
}

Q_DECLARE_METATYPE(Geste)
Q_DECLARE_METATYPE(const QMetaObject*)

class FicheTest : public QObject
{
    Q_OBJECT

private slots:
    // The classes as the meta-object system knows them.
    void WindowClassesListTheirSignalsAndSlotsInOrder_data();
    void WindowClassesListTheirSignalsAndSlotsInOrder();
    void SheetCastsToItsForm();

    // The form as it is drawn, and how the window looks.
    void FormHoldsEveryWidgetAtItsPlace_data();
    void FormHoldsEveryWidgetAtItsPlace();
    void RowColumnsStandInScrollAreasPowersLeftTalentsRight();
    void LongColumnScrollsInsteadOfSqueezingItsRows();
    void EveryCaptionFitsItsLabel();
    void SheetPaintsItsPictureOrAPlainBackground_data();
    void SheetPaintsItsPictureOrAPlainBackground();

    // A fresh sheet.
    void FreshSheetIsAFixedSizeWindowWithItsTitle_data();
    void FreshSheetIsAFixedSizeWindowWithItsTitle();
    void FreshSheetShowsTheCharacter_data();
    void FreshSheetShowsTheCharacter();
    void SpinBoxesOfferTheirRanges_data();
    void SpinBoxesOfferTheirRanges();
    void SuperiorListOffersTheSidesSuperiorsInTheirOrder_data();
    void SuperiorListOffersTheSidesSuperiorsInTheirOrder();
    void PowerListOffersTheSidesCatalogueInByteOrder_data();
    void PowerListOffersTheSidesCatalogueInByteOrder();
    void TalentListOffersEveryTalentInByteOrder_data();
    void TalentListOffersEveryTalentInByteOrder();

    // Characteristics, PP, total PA and grade.
    void CharacteristicEdits_data();
    void CharacteristicEdits();
    void RaisingACharacteristicWithoutPointsSpringsBack_data();
    void RaisingACharacteristicWithoutPointsSpringsBack();
    void RaisingAndLoweringPP_data();
    void RaisingAndLoweringPP();
    void RaisingFoiPastThePPCapSpringsBack();
    void ChangingTotalPA_data();
    void ChangingTotalPA();
    void ATotalBeyondTheBoxsReachIsShownAndKept();
    void TypingANumberGivesThatNumber_data();
    void TypingANumberGivesThatNumber();
    void RaisingTheGradeRaisesTheCharacteristicMaximum_data();
    void RaisingTheGradeRaisesTheCharacteristicMaximum();
    void DroppingTheGradeBringsCharacteristicsDown_data();
    void DroppingTheGradeBringsCharacteristicsDown();
    void GarbageInASpinBoxChangesNothing_data();
    void GarbageInASpinBoxChangesNothing();

    // The refresh.
    void OnePlayerEditRefreshesTheSheetOnce_data();
    void OnePlayerEditRefreshesTheSheetOnce();
    void RefreshLeavesTalentRowsItHasNotReachedAlone();
    void RefreshWritesItsTextsThroughTheTranslation();
    void SheetWithoutACharacterLeavesEveryEditAlone_data();
    void SheetWithoutACharacterLeavesEveryEditAlone();
    void HandingNoCharacterKeepsTheOneShown();
    void HandingTheSameCharacterAgainKeepsItAndItsRows();
    void HandingAnotherCharacterDropsTheRowsOfTheFirst();
};

void FicheTest::WindowClassesListTheirSignalsAndSlotsInOrder_data()
{
    QTest::addColumn<const QMetaObject*>("meta");
    QTest::addColumn<int>("signaux");
    QTest::addColumn<QMetaMethod::Access>("accesSignaux");
    QTest::addColumn<QStringList>("methodes");

    QTest::newRow("MyWidget") << &MyWidget::staticMetaObject << 0 << QMetaMethod::Public
                              << QStringList{"NewDemon()", "NewAnge()"};
    QTest::newRow("PouvoirTalentWidget") << &PouvoirTalentWidget::staticMetaObject << 1 << QMetaMethod::Public
                                         << QStringList{"ValueChanged()", "Changed()"};
    QTest::newRow("Fiche") << &Fiche::staticMetaObject << 1 << QMetaMethod::Protected
                           << QStringList{
                               "FillComboBox()",        "ForceChanged()",         "AgiliteChanged()",
                               "PerceptionChanged()",   "PresenceChanged()",      "VolonteChanged()",
                               "FoiChanged()",          "PPChanged()",            "AddTalentPressed()",
                               "RemoveTalentPressed()", "RemovePouvoirPressed()", "AddPouvoirPressed()",
                               "TalentChanged()",       "PouvoirChanged()",       "ChangedSuperieur()",
                               "ChangedGrade()",        "ChangedTotalPA()",       "ExportPressed()"
                           };
}

void FicheTest::WindowClassesListTheirSignalsAndSlotsInOrder()
{
    QFETCH(const QMetaObject*, meta);
    QFETCH(int, signaux);
    QFETCH(QMetaMethod::Access, accesSignaux);
    QFETCH(QStringList, methodes);

    QCOMPARE(QString::fromLatin1(meta->className()), QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(meta->superClass(), &QWidget::staticMetaObject);
    QStringList oMethodes;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
    {
        const QMetaMethod oMethode = meta->method(i);
        oMethodes << QString::fromLatin1(oMethode.methodSignature());
        const bool bSignal = i - meta->methodOffset() < signaux;
        QCOMPARE(oMethode.methodType(), bSignal ? QMetaMethod::Signal : QMetaMethod::Slot);
        QCOMPARE(oMethode.access(), bSignal ? accesSignaux : QMetaMethod::Public);
    }
    QCOMPARE(oMethodes, methodes);
}

void FicheTest::SheetCastsToItsForm()
{
    Fiche oFiche;
    QCOMPARE(oFiche.qt_metacast("VEXALFiche"), static_cast<void*>(static_cast<Ui::VEXALFiche*>(&oFiche)));
    QCOMPARE(oFiche.qt_metacast("Fiche"), static_cast<void*>(&oFiche));
}

void FicheTest::FormHoldsEveryWidgetAtItsPlace_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("texte");

    // The two containers move into the scroll areas, so only their class is the form's.
    QTest::newRow("PerceptionLabel") << "QLabel" << QRect(350, 80, 61, 16) << "Perception :";
    QTest::newRow("SuperieurLabel") << "QLabel" << QRect(130, 10, 61, 16) << "Superieur :";
    QTest::newRow("PPValue") << "QSpinBox" << QRect(40, 160, 42, 22) << QString();
    QTest::newRow("ForceLabel") << "QLabel" << QRect(100, 80, 33, 16) << "Force :";
    QTest::newRow("ForceValue") << "QDoubleSpinBox" << QRect(140, 80, 62, 22) << QString();
    QTest::newRow("AgiliteLabel") << "QLabel" << QRect(220, 80, 41, 16) << "Agilite :";
    QTest::newRow("PerceptionValue") << "QDoubleSpinBox" << QRect(410, 80, 62, 22) << QString();
    QTest::newRow("PresenceLabel") << "QLabel" << QRect(80, 120, 61, 16) << "Presence :";
    QTest::newRow("VolonteLabel") << "QLabel" << QRect(210, 120, 47, 14) << "Volonte :";
    QTest::newRow("FoiValue") << "QDoubleSpinBox" << QRect(410, 120, 62, 22) << QString();
    QTest::newRow("FoiLabel") << "QLabel" << QRect(380, 120, 21, 16) << "Foi :";
    QTest::newRow("SuperieurListe") << "QComboBox" << QRect(190, 10, 131, 22) << QString();
    QTest::newRow("VolonteValue") << "QDoubleSpinBox" << QRect(270, 120, 62, 22) << QString();
    QTest::newRow("PresenceValue") << "QDoubleSpinBox" << QRect(140, 120, 62, 22) << QString();
    QTest::newRow("AddPouvoir") << "QPushButton" << QRect(70, 220, 91, 23) << "Ajouter Pouvoir";
    QTest::newRow("RemovePouvoir") << "QPushButton" << QRect(70, 250, 91, 23) << "Enlever Pouvoir";
    QTest::newRow("AddTalent") << "QPushButton" << QRect(490, 220, 101, 23) << "Ajouter Talent";
    QTest::newRow("RemoveTalent") << "QPushButton" << QRect(490, 250, 101, 23) << "Enlever Talent";
    QTest::newRow("BLlabel") << "QLabel" << QRect(180, 160, 21, 16) << "BL :";
    QTest::newRow("PFlabel") << "QLabel" << QRect(110, 160, 21, 16) << "PF :";
    QTest::newRow("BGlabel") << "QLabel" << QRect(260, 160, 21, 16) << "BG :";
    QTest::newRow("BFlabel") << "QLabel" << QRect(330, 160, 21, 16) << "BF :";
    QTest::newRow("MSlabel") << "QLabel" << QRect(400, 160, 21, 16) << "MS :";
    QTest::newRow("PFValue") << "QLabel" << QRect(140, 160, 16, 16) << "0";
    QTest::newRow("BLValue") << "QLabel" << QRect(210, 160, 16, 16) << "0";
    QTest::newRow("BGValue") << "QLabel" << QRect(290, 160, 16, 16) << "0";
    QTest::newRow("BFValue") << "QLabel" << QRect(360, 160, 16, 16) << "0";
    QTest::newRow("MSValue") << "QLabel" << QRect(430, 160, 16, 16) << "0";
    QTest::newRow("PouvoirsListe") << "QComboBox" << QRect(70, 190, 191, 22) << QString();
    QTest::newRow("AgiliteValue") << "QDoubleSpinBox" << QRect(270, 80, 62, 22) << QString();
    QTest::newRow("PArestant") << "QLabel" << QRect(10, 40, 61, 20) << "PA restant :";
    QTest::newRow("PASecondaireLabel") << "QLabel" << QRect(110, 40, 81, 16) << "PA Secondaire :";
    QTest::newRow("PArestantValue") << "QLabel" << QRect(70, 40, 21, 21) << "80";
    QTest::newRow("PPLabel") << "QLabel" << QRect(10, 160, 21, 16) << "PP :";
    QTest::newRow("PAConvertiLabel") << "QLabel" << QRect(230, 40, 71, 16) << "PA converti :";
    QTest::newRow("PASecondaireValue") << "QLabel" << QRect(190, 40, 21, 16) << "0";
    QTest::newRow("PAConvertiValue") << "QLabel" << QRect(300, 40, 21, 16) << "0";
    QTest::newRow("comboBoxTalents") << "QComboBox" << QRect(380, 190, 211, 22) << QString();
    QTest::newRow("Export") << "QPushButton" << QRect(480, 10, 64, 23) << "Export";
    QTest::newRow("PageWeb") << "QPushButton" << QRect(548, 10, 83, 23) << "Page web…";
    QTest::newRow("verticalLayout_2") << "QWidget" << QRect() << QString();
    QTest::newRow("vboxLayout") << "QVBoxLayout" << QRect() << QString();
    QTest::newRow("verticalLayout") << "QWidget" << QRect() << QString();
    QTest::newRow("vboxLayout1") << "QVBoxLayout" << QRect() << QString();
    QTest::newRow("SupLabel") << "QLabel" << QRect(350, 10, 71, 16) << "Abalam";
    QTest::newRow("TotalPA") << "QLabel" << QRect(10, 20, 51, 16) << "Total PA :";
    QTest::newRow("spinBoxPATOT") << "QSpinBox" << QRect(60, 10, 42, 22) << QString();
    QTest::newRow("GradeLabel") << "QLabel" << QRect(350, 40, 41, 16) << "Grade :";
    QTest::newRow("spinBoxGRADE") << "QSpinBox" << QRect(390, 30, 42, 22) << QString();
}

void FicheTest::FormHoldsEveryWidgetAtItsPlace()
{
    QFETCH(QString, classe);
    QFETCH(QRect, place);
    QFETCH(QString, texte);
    Fiche oFiche;
    const QString oNom = QString::fromLatin1(QTest::currentDataTag());

    QCOMPARE(oFiche.objectName(), QStringLiteral("VEXALFiche"));
    const QList<QObject*> oTrouves = oFiche.findChildren<QObject*>(oNom);
    QCOMPARE(oTrouves.size(), 1);
    QCOMPARE(QString::fromLatin1(oTrouves.front()->metaObject()->className()), classe);
    if (place.isValid())
    {
        auto* poWidget = qobject_cast<QWidget*>(oTrouves.front());
        QCOMPARE(poWidget->parentWidget(), &oFiche);
        QCOMPARE(poWidget->geometry(), place);
    }
    if (auto* poLabel = qobject_cast<QLabel*>(oTrouves.front()))
        QCOMPARE(poLabel->text(), texte);
    if (auto* poBouton = qobject_cast<QPushButton*>(oTrouves.front()))
        QCOMPARE(poBouton->text(), texte);
    if (auto* poListe = qobject_cast<QComboBox*>(oTrouves.front()))
        QCOMPARE(poListe->count(), 0);
}

void FicheTest::RowColumnsStandInScrollAreasPowersLeftTalentsRight()
{
    Fiche oFiche;

    const QScrollArea* poPouvoirs = ZoneDe(oFiche.verticalLayout_2);
    const QScrollArea* poTalents = ZoneDe(oFiche.verticalLayout);
    QVERIFY(poPouvoirs != nullptr);
    QVERIFY(poTalents != nullptr);
    QCOMPARE(poPouvoirs->parentWidget(), &oFiche);
    QCOMPARE(poPouvoirs->geometry(), QRect(40, 280, 281, 250));
    QCOMPARE(poTalents->geometry(), QRect(350, 280, 291, 250));
    for (const QScrollArea* poZone : {poPouvoirs, poTalents})
    {
        QCOMPARE(poZone->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!poZone->widgetResizable());
    }
    // The columns keep the width the form gave them, the powers' from the right half of the form; empty, they
    // have nothing to scroll.
    QCOMPARE(oFiche.verticalLayout_2->width(), 291);
    QCOMPARE(oFiche.verticalLayout->width(), 281);
    for (const QScrollArea* poZone : {poPouvoirs, poTalents})
        QCOMPARE(poZone->verticalScrollBar()->maximum(), 0);
    QCOMPARE(oFiche.vboxLayout->parentWidget(), oFiche.verticalLayout_2);
    QCOMPARE(oFiche.vboxLayout1->parentWidget(), oFiche.verticalLayout);
    for (const QVBoxLayout* poColonne : {oFiche.vboxLayout, oFiche.vboxLayout1})
    {
        QCOMPARE(poColonne->spacing(), 6);
        QCOMPARE(poColonne->contentsMargins(), QMargins());
        QCOMPARE(poColonne->count(), 0);
    }
}

void FicheTest::EveryCaptionFitsItsLabel()
{
    // The first sheet given a character measures; the next one is built with the size it found.
    auto poPremiere = OuvrirFiche(new Demon);
    auto poSuivante = OuvrirFiche(new Ange);
    QVERIFY(poPremiere && poSuivante);
    const qreal fTaille = poPremiere->font().pointSizeF();
    QCOMPARE(poSuivante->font().pointSizeF(), fTaille);
    QVERIFY(fTaille <= 8.0);

    const auto Debordants = [&](qreal fEssai) {
        QFont oPolice = poSuivante->font();
        oPolice.setPointSizeF(fEssai);
        const QFontMetrics oMesure(oPolice);
        QStringList oNoms;
        for (const QLabel* poLabel : poSuivante->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        {
            if (oMesure.horizontalAdvance(poLabel->text()) > poLabel->width())
                oNoms << poLabel->objectName();
        }
        return oNoms;
    };
    QCOMPARE(Debordants(fTaille), QStringList());
    // And no larger half point would do.
    if (fTaille < 8.0)
        QVERIFY(!Debordants(fTaille + 0.5).isEmpty());
}

void FicheTest::SheetPaintsItsPictureOrAPlainBackground_data()
{
    LignesAvecEtSansImages();
}

void FicheTest::SheetPaintsItsPictureOrAPlainBackground()
{
    QFETCH(bool, images);
    const Lancement oLancement(images);

    // The picture is the sheet's as soon as it is built, shown or not, like the start window's hidden sheet.
    const Fiche oCachee;
    QCOMPARE(oCachee.backgroundRole(), QPalette::Midlight);
    QCOMPARE(oCachee.palette().brush(QPalette::Window).texture().isNull(), !images);
    QCOMPARE(oCachee.autoFillBackground(), !images);

    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    // A corner where no widget lies shows the picture's own pixel, or else the plain mid-light colour.
    const QPoint oCoin(poFiche->width() - 2, poFiche->height() - 2);
    const QRgb nAttendu = images ? QImage(QStringLiteral("./images/vexal.jpg")).pixel(oCoin)
                                 : poFiche->palette().color(QPalette::Midlight).rgb();
    QCOMPARE(poFiche->grab().toImage().pixel(oCoin), nAttendu);
}

void FicheTest::FreshSheetIsAFixedSizeWindowWithItsTitle_data()
{
    LignesDemonEtAnge();
}

void FicheTest::FreshSheetIsAFixedSizeWindowWithItsTitle()
{
    QFETCH(bool, demon);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    QVERIFY(poFiche->isWindow());
    QCOMPARE(poFiche->size(), QSize(666, 550));
    QCOMPARE(poFiche->minimumSize(), QSize(666, 550));
    QCOMPARE(poFiche->maximumSize(), QSize(666, 550));
    QCOMPARE(poFiche->windowTitle(), QStringLiteral("VEXAL Fiche de perso Version 1.0"));
    QCOMPARE(poFiche->toolTip(), QStringLiteral("Fiche de personnage"));
}

void FicheTest::FreshSheetShowsTheCharacter_data()
{
    QTest::addColumn<bool>("demon");
    QTest::addColumn<QString>("pa");
    QTest::addColumn<QString>("bl");
    QTest::addColumn<QString>("bg");
    QTest::addColumn<QString>("bf");
    QTest::addColumn<QString>("ms");

    QTest::newRow("demon") << true << "80" << "4" << "8" << "12" << "16";
    QTest::newRow("angel") << false << "100" << "5" << "10" << "15" << "20";
}

void FicheTest::FreshSheetShowsTheCharacter()
{
    QFETCH(bool, demon);
    QFETCH(QString, pa);
    QFETCH(QString, bl);
    QFETCH(QString, bg);
    QFETCH(QString, bf);
    QFETCH(QString, ms);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    QCOMPARE(poFiche->PArestantValue->text(), pa);
    QCOMPARE(poFiche->spinBoxPATOT->text(), pa);
    QCOMPARE(poFiche->PASecondaireValue->text(), QStringLiteral("0"));
    QCOMPARE(poFiche->PAConvertiValue->text(), QStringLiteral("0"));
    for (const QString& oBoite : kBoitesCaract)
        QCOMPARE(BoiteCaract(*poFiche, oBoite)->value(), 2.0);
    QCOMPARE(poFiche->PPValue->value(), 4);
    QCOMPARE(poFiche->PFValue->text(), QStringLiteral("4"));
    QCOMPARE(poFiche->BLValue->text(), bl);
    QCOMPARE(poFiche->BGValue->text(), bg);
    QCOMPARE(poFiche->BFValue->text(), bf);
    QCOMPARE(poFiche->MSValue->text(), ms);
    QCOMPARE(poFiche->spinBoxGRADE->value(), 0);
    QCOMPARE(poFiche->SupLabel->text(), QString());
    QVERIFY(Lignes(poFiche->vboxLayout).isEmpty());
    QVERIFY(Lignes(poFiche->vboxLayout1).isEmpty());
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::SpinBoxesOfferTheirRanges_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("pas");
    QTest::addColumn<int>("decimales");

    for (const QString& oBoite : kBoitesCaract)
        QTest::newRow(qPrintable(oBoite)) << oBoite << 1.0 << 5.5 << 0.5 << 2;
    QTest::newRow("spinBoxGRADE") << "spinBoxGRADE" << 0.0 << 3.0 << 1.0 << 0;
    QTest::newRow("spinBoxPATOT") << "spinBoxPATOT" << 0.0 << 999.0 << 1.0 << 0;
    QTest::newRow("PPValue") << "PPValue" << 0.0 << 99.0 << 1.0 << 0;
}

void FicheTest::SpinBoxesOfferTheirRanges()
{
    QFETCH(QString, boite);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, pas);
    QFETCH(int, decimales);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);

    if (auto* poReel = poFiche->findChild<QDoubleSpinBox*>(boite))
    {
        QCOMPARE(poReel->minimum(), minimum);
        QCOMPARE(poReel->maximum(), maximum);
        QCOMPARE(poReel->singleStep(), pas);
        QCOMPARE(poReel->decimals(), decimales);
    }
    else
    {
        const auto* poEntier = poFiche->findChild<QSpinBox*>(boite);
        QVERIFY(poEntier != nullptr);
        QCOMPARE(poEntier->minimum(), int(minimum));
        QCOMPARE(poEntier->maximum(), int(maximum));
        QCOMPARE(poEntier->singleStep(), int(pas));
    }
}

void FicheTest::SuperiorListOffersTheSidesSuperiorsInTheirOrder_data()
{
    QTest::addColumn<bool>("demon");
    QTest::addColumn<QStringList>("superieurs");

    QTest::newRow("demon princes") << true << kPrincesDemons;
    QTest::newRow("archangels") << false << kArchanges;
}

void FicheTest::SuperiorListOffersTheSidesSuperiorsInTheirOrder()
{
    QFETCH(bool, demon);
    QFETCH(QStringList, superieurs);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    QCOMPARE(Entrees(poFiche->SuperieurListe), superieurs);
    // No superior is chosen yet, and the list shows none.
    QCOMPARE(poFiche->SuperieurListe->currentIndex(), -1);
    QCOMPARE(poFiche->SuperieurListe->placeholderText(), QStringLiteral("Choisir…"));
    QCOMPARE(poFiche->GetPerso()->GetSuperieur(), std::string());
}

void FicheTest::PowerListOffersTheSidesCatalogueInByteOrder_data()
{
    QTest::addColumn<bool>("demon");
    QTest::addColumn<int>("nombre");

    QTest::newRow("demon") << true << 159;
    QTest::newRow("angel") << false << 128;
}

void FicheTest::PowerListOffersTheSidesCatalogueInByteOrder()
{
    QFETCH(bool, demon);
    QFETCH(int, nombre);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    const QStringList oEntrees = Entrees(poFiche->PouvoirsListe);
    QCOMPARE(oEntrees.size(), nombre);
    QVERIFY(EnOrdreDesOctets(oEntrees));
    QStringList oCatalogue;
    for (const auto& oEntree : *poFiche->GetPerso()->GetListeDesPouvoirs())
        oCatalogue << QString::fromStdString(oEntree.first);
    QCOMPARE(oEntrees, oCatalogue);
}

void FicheTest::TalentListOffersEveryTalentInByteOrder_data()
{
    LignesDemonEtAnge();
}

void FicheTest::TalentListOffersEveryTalentInByteOrder()
{
    QFETCH(bool, demon);
    auto poFiche = OuvrirFiche(NouveauPerso(demon));
    QVERIFY(poFiche);

    const QStringList oEntrees = Entrees(poFiche->comboBoxTalents);
    QCOMPARE(oEntrees.size(), 75);
    QVERIFY(EnOrdreDesOctets(oEntrees));
    const int nCombat = oEntrees.indexOf("Combat");
    QVERIFY(nCombat >= 0);
    QCOMPARE(oEntrees.mid(nCombat, 3), QStringList({"Combat", "Combat(Spe)", "Conduite"}));
    QVERIFY(oEntrees.contains("LangueAnglais"));
}

void FicheTest::CharacteristicEdits_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<int>("fleches");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<int>("caract");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<int>("pa");
    QTest::addColumn<int>("pf");
    QTest::addColumn<int>("bl");
    QTest::addColumn<int>("pp");

    // Arrow presses are counted up, negative for down; a typed text ends with Enter.
    QTest::newRow("FORCE up one step costs 2 PA") << "ForceValue" << 1 << "" << int(FORCE) << 2.5 << 78 << 4 << 4 << 4;
    QTest::newRow("FORCE up to 3 raises PF and BL") << "ForceValue" << 2 << "" << int(FORCE) << 3.0 << 76 << 5 << 5 << 4;
    QTest::newRow("typing 2.7 buys one half point") << "ForceValue" << 0 << "2.7" << int(FORCE) << 2.5 << 78 << 4 << 4 << 4;
    QTest::newRow("typing 4 buys four half points") << "ForceValue" << 0 << "4" << int(FORCE) << 4.0 << 72 << 6 << 6 << 4;
    QTest::newRow("FORCE stops at 5.5 at grade 0") << "ForceValue" << 8 << "" << int(FORCE) << 5.5 << 66 << 7 << 7 << 4;
    QTest::newRow("typing 6 into FORCE is refused") << "ForceValue" << 0 << "6" << int(FORCE) << 2.0 << 80 << 4 << 4 << 4;
    QTest::newRow("AGILITE down one step refunds 2 PA") << "AgiliteValue" << -1 << "" << int(AGILITE) << 1.5 << 82 << 4 << 4 << 4;
    QTest::newRow("PERCEPTION stops at 1.0") << "PerceptionValue" << -3 << "" << int(PERCEPTION) << 1.0 << 84 << 4 << 4 << 4;
    QTest::newRow("typing 3.5 into PRESENCE") << "PresenceValue" << 0 << "3.5" << int(PRESENCE) << 3.5 << 74 << 4 << 4 << 4;
    QTest::newRow("VOLONTE up to 3 raises PF and PP") << "VolonteValue" << 2 << "" << int(VOLONTE) << 3.0 << 76 << 5 << 4 << 5;
    QTest::newRow("FOI up one step keeps PP") << "FoiValue" << 1 << "" << int(FOI) << 2.5 << 78 << 4 << 4 << 4;
}

void FicheTest::CharacteristicEdits()
{
    QFETCH(QString, boite);
    QFETCH(int, fleches);
    QFETCH(QString, frappe);
    QFETCH(int, caract);
    QFETCH(double, valeur);
    QFETCH(int, pa);
    QFETCH(int, pf);
    QFETCH(int, bl);
    QFETCH(int, pp);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QDoubleSpinBox* poBoite = BoiteCaract(*poFiche, boite);

    if (!frappe.isEmpty())
        Joueur::Taper(poBoite, frappe);
    Joueur::Monter(poBoite, std::max(fleches, 0));
    Joueur::Descendre(poBoite, std::max(-fleches, 0));

    const Personnage& oPerso = *poFiche->GetPerso();
    QCOMPARE(double{oPerso.GetCaract(CARACT(caract))}, valeur);
    QCOMPARE(poBoite->value(), valeur);
    QCOMPARE(oPerso.GetPA(), pa);
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(pa));
    QCOMPARE(poFiche->PFValue->text(), QString::number(pf));
    QCOMPARE(poFiche->BLValue->text(), QString::number(bl));
    QCOMPARE(poFiche->MSValue->text(), QString::number(4 * bl));
    QCOMPARE(poFiche->PPValue->value(), pp);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::RaisingACharacteristicWithoutPointsSpringsBack_data()
{
    QTest::addColumn<QString>("boite");

    for (const QString& oBoite : kBoitesCaract)
        QTest::newRow(qPrintable(oBoite)) << oBoite;
}

void FicheTest::RaisingACharacteristicWithoutPointsSpringsBack()
{
    QFETCH(QString, boite);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Taper(poFiche->spinBoxPATOT, "0");
    QCOMPARE(poFiche->GetPerso()->GetPA(), 0);
    const Releve oAvant = ReleveDe(*poFiche->GetPerso());
    QDoubleSpinBox* poBoite = BoiteCaract(*poFiche, boite);
    QSignalSpy oChangements(poBoite, &QDoubleSpinBox::valueChanged);

    Joueur::Monter(poBoite);

    QCOMPARE(ReleveDe(*poFiche->GetPerso()), oAvant);
    QCOMPARE(poBoite->value(), 2.0);
    QCOMPARE(poBoite->text(), poBoite->textFromValue(2.0));
    // The player's own change, and not the sheet putting the old value back.
    QCOMPARE(oChangements.count(), 1);
}

void FicheTest::RaisingAndLoweringPP_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("achetes");
    QTest::addColumn<int>("fleche");
    QTest::addColumn<int>("pp");
    QTest::addColumn<int>("pa");

    // Before the arrow press: the total PA typed (if any), then PP bought by pressing the up arrow.
    QTest::newRow("one PP costs one PA") << "" << 0 << 1 << 5 << 79;
    QTest::newRow("a bought PP comes back as PA") << "" << 2 << -1 << 5 << 79;
    QTest::newRow("below the PP given by FOI and VOLONTE") << "" << 0 << -1 << 4 << 80;
    QTest::newRow("without points") << "0" << 0 << 1 << 4 << 0;
    QTest::newRow("up to the grade cap") << "" << 10 << 1 << 15 << 69;
    QTest::newRow("past the grade cap") << "" << 11 << 1 << 15 << 69;
}

void FicheTest::RaisingAndLoweringPP()
{
    QFETCH(QString, total);
    QFETCH(int, achetes);
    QFETCH(int, fleche);
    QFETCH(int, pp);
    QFETCH(int, pa);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    if (!total.isEmpty())
        Joueur::Taper(poFiche->spinBoxPATOT, total);
    Joueur::Monter(poFiche->PPValue, achetes);
    QSignalSpy oChangements(poFiche->PPValue, &QSpinBox::valueChanged);

    if (fleche > 0)
        Joueur::Monter(poFiche->PPValue);
    else
        Joueur::Descendre(poFiche->PPValue);

    QCOMPARE(poFiche->GetPerso()->GetPPValue(), pp);
    QCOMPARE(poFiche->PPValue->value(), pp);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(pa));
    QCOMPARE(oChangements.count(), 1);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::RaisingFoiPastThePPCapSpringsBack()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->PPValue, 11);
    Joueur::Monter(poFiche->FoiValue);
    QCOMPARE(poFiche->FoiValue->value(), 2.5);
    QCOMPARE(poFiche->PPValue->value(), 15);
    const Releve oAvant = ReleveDe(*poFiche->GetPerso());
    QCOMPARE(oAvant.nPA, 67);
    QSignalSpy oChangements(poFiche->FoiValue, &QDoubleSpinBox::valueChanged);

    Joueur::Monter(poFiche->FoiValue);

    QCOMPARE(ReleveDe(*poFiche->GetPerso()), oAvant);
    QCOMPARE(poFiche->FoiValue->value(), 2.5);
    QCOMPARE(poFiche->PPValue->value(), 15);
    QCOMPARE(poFiche->PArestantValue->text(), QStringLiteral("67"));
    QCOMPARE(oChangements.count(), 1);
}

// A file may hold more PA than the box usually takes: the box follows the character.
void FicheTest::ATotalBeyondTheBoxsReachIsShownAndKept()
{
    auto* poDemon = new Demon;
    poDemon->AddPATotal(1420);
    auto poFiche = OuvrirFiche(poDemon);
    QVERIFY(poFiche);
    QCOMPARE(poFiche->spinBoxPATOT->value(), 1500);

    Joueur::Descendre(poFiche->spinBoxPATOT);
    QCOMPARE(poFiche->GetPerso()->GetPATotal(), 1499);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::ChangingTotalPA_data()
{
    QTest::addColumn<int>("depense");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<int>("fleches");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("pa");

    // First FORCE is raised by `depense` steps (2 PA each), then the total is typed, then arrows.
    QTest::newRow("raised by five") << 0 << "" << 5 << 85 << 85;
    QTest::newRow("lowered by three") << 0 << "" << -3 << 77 << 77;
    QTest::newRow("typed 120") << 0 << "120" << 0 << 120 << 120;
    QTest::newRow("typed 70 with 4 PA spent") << 2 << "70" << 0 << 70 << 66;
    QTest::newRow("typed 3 with 4 PA spent springs back") << 2 << "3" << 0 << 80 << 76;
    QTest::newRow("lowered with every PA spent springs back") << 2 << "4" << -1 << 4 << 0;
}

void FicheTest::ChangingTotalPA()
{
    QFETCH(int, depense);
    QFETCH(QString, frappe);
    QFETCH(int, fleches);
    QFETCH(int, total);
    QFETCH(int, pa);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->ForceValue, depense);

    if (!frappe.isEmpty())
        Joueur::Taper(poFiche->spinBoxPATOT, frappe);
    Joueur::Monter(poFiche->spinBoxPATOT, std::max(fleches, 0));
    Joueur::Descendre(poFiche->spinBoxPATOT, std::max(-fleches, 0));

    QCOMPARE(poFiche->GetPerso()->GetPATotal(), total);
    QCOMPARE(poFiche->spinBoxPATOT->value(), total);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    QCOMPARE(poFiche->PArestantValue->text(), QString::number(pa));
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::TypingANumberGivesThatNumber_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<int>("depense");
    QTest::addColumn<QString>("frappe");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<int>("pa");

    // First FORCE is raised by `depense` steps; the number is then typed whole and taken with Enter.
    QTest::newRow("total PA 5") << "spinBoxPATOT" << 0 << "5" << 5 << 5;
    QTest::newRow("total PA 100 whose first digit alone would be refused") << "spinBoxPATOT" << 2 << "100" << 100 << 96;
    QTest::newRow("PP 12 whose first digit alone would be refused") << "PPValue" << 0 << "12" << 12 << 72;
    QTest::newRow("PP 20 past the grade cap") << "PPValue" << 0 << "20" << 4 << 80;
}

void FicheTest::TypingANumberGivesThatNumber()
{
    QFETCH(QString, boite);
    QFETCH(int, depense);
    QFETCH(QString, frappe);
    QFETCH(int, valeur);
    QFETCH(int, pa);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->ForceValue, depense);
    auto* poBoite = poFiche->findChild<QSpinBox*>(boite);

    Joueur::Taper(poBoite, frappe);

    QCOMPARE(poBoite->value(), valeur);
    QCOMPARE(poFiche->GetPerso()->GetPA(), pa);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::RaisingTheGradeRaisesTheCharacteristicMaximum_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<double>("maximum");

    QTest::newRow("grade 1") << 1 << 5.5;
    QTest::newRow("grade 2") << 2 << 6.5;
    QTest::newRow("grade 3") << 3 << 7.5;
}

void FicheTest::RaisingTheGradeRaisesTheCharacteristicMaximum()
{
    QFETCH(int, grade);
    QFETCH(double, maximum);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Releve oAttendu = ReleveDe(*poFiche->GetPerso());
    oAttendu.nGrade = grade;

    Joueur::Monter(poFiche->spinBoxGRADE, grade);

    QCOMPARE(ReleveDe(*poFiche->GetPerso()), oAttendu);
    QCOMPARE(poFiche->spinBoxGRADE->value(), grade);
    for (const QString& oBoite : kBoitesCaract)
        QCOMPARE(BoiteCaract(*poFiche, oBoite)->maximum(), maximum);
}

void FicheTest::DroppingTheGradeBringsCharacteristicsDown_data()
{
    QTest::addColumn<QString>("frappe");

    QTest::newRow("three presses of the down arrow") << QString();
    QTest::newRow("typing 0") << "0";
}

void FicheTest::DroppingTheGradeBringsCharacteristicsDown()
{
    QFETCH(QString, frappe);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->spinBoxGRADE, 3);
    Joueur::Monter(poFiche->ForceValue, 11);
    QCOMPARE(poFiche->ForceValue->value(), 7.5);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 58);

    if (frappe.isEmpty())
        Joueur::Descendre(poFiche->spinBoxGRADE, 3);
    else
        Joueur::Taper(poFiche->spinBoxGRADE, frappe);

    QCOMPARE(poFiche->GetPerso()->GetGrade(), 0);
    QCOMPARE(poFiche->GetPerso()->GetCaract(FORCE), 5.5f);
    QCOMPARE(poFiche->ForceValue->value(), 5.5);
    QCOMPARE(poFiche->ForceValue->maximum(), 5.5);
    QCOMPARE(poFiche->GetPerso()->GetPA(), 66);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::GarbageInASpinBoxChangesNothing_data()
{
    QTest::addColumn<QString>("boite");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("colle");

    QStringList oBoites = kBoitesCaract;
    oBoites << "PPValue" << "spinBoxGRADE" << "spinBoxPATOT";
    // Typed key by key, the "1" of "1e9" or the "5" of "-5" is already a number the player asked for;
    // only pasted whole are those texts garbage.
    for (const QString& oBoite : oBoites)
    {
        for (const char* oTexte : {"abc", "-5", "1e9", ",,", ""})
            QTest::addRow("%s pasted \"%s\"", qPrintable(oBoite), oTexte) << oBoite << oTexte << true;
        for (const char* oTexte : {"abc", ",,", ""})
            QTest::addRow("%s typed \"%s\"", qPrintable(oBoite), oTexte) << oBoite << oTexte << false;
    }
}

void FicheTest::GarbageInASpinBoxChangesNothing()
{
    QFETCH(QString, boite);
    QFETCH(QString, texte);
    QFETCH(bool, colle);
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->ForceValue);
    const Releve oAvant = ReleveDe(*poFiche->GetPerso());
    auto* poBoite = poFiche->findChild<QAbstractSpinBox*>(boite);

    if (colle)
        Joueur::Coller(poBoite, texte);
    else
        Joueur::Taper(poBoite, texte);

    QCOMPARE(ReleveDe(*poFiche->GetPerso()), oAvant);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::OnePlayerEditRefreshesTheSheetOnce_data()
{
    QTest::addColumn<Geste>("avant");
    QTest::addColumn<Geste>("geste");
    QTest::addColumn<int>("rafraichissements");

    const Geste oRien = [](Fiche&) {};
    const auto oAjouterTalent = [](const QString& oNom) {
        return Geste([oNom](Fiche& oFiche) { Joueur::AjouterTalent(oFiche, oNom); });
    };
    const auto oAjouterPouvoir = [](const QString& oNom) {
        return Geste([oNom](Fiche& oFiche) { Joueur::AjouterPouvoir(oFiche, oNom); });
    };
    const auto oMonterLigne = [](QVBoxLayout* Fiche::*pColonne, const QString& oNom) {
        return Geste([pColonne, oNom](Fiche& oFiche) { Joueur::Monter(BoiteDe(Ligne(oFiche.*pColonne, oNom))); });
    };
    const auto oEnleverCoches = [](QVBoxLayout* Fiche::*pColonne, QPushButton* Fiche::*pBouton) {
        return Geste([pColonne, pBouton](Fiche& oFiche) {
            for (PouvoirTalentWidget* poLigne : Lignes(oFiche.*pColonne))
                Joueur::Cocher(poLigne);
            Joueur::Cliquer(oFiche.*pBouton);
        });
    };

    QTest::newRow("FORCE raised") << oRien << Geste([](Fiche& oFiche) { Joueur::Monter(oFiche.ForceValue); }) << 1;
    QTest::newRow("FORCE lowered") << oRien << Geste([](Fiche& oFiche) { Joueur::Descendre(oFiche.ForceValue); })
                                   << 1;
    QTest::newRow("FORCE raise refused for want of points")
        << Geste([](Fiche& oFiche) { Joueur::Taper(oFiche.spinBoxPATOT, "0"); })
        << Geste([](Fiche& oFiche) { Joueur::Monter(oFiche.ForceValue); }) << 1;
    QTest::newRow("PP raised") << oRien << Geste([](Fiche& oFiche) { Joueur::Monter(oFiche.PPValue); }) << 1;
    QTest::newRow("PP lowering refused") << oRien << Geste([](Fiche& oFiche) { Joueur::Descendre(oFiche.PPValue); })
                                         << 1;
    QTest::newRow("total PA raised") << oRien << Geste([](Fiche& oFiche) { Joueur::Monter(oFiche.spinBoxPATOT); })
                                     << 1;
    QTest::newRow("grade raised") << oRien << Geste([](Fiche& oFiche) { Joueur::Monter(oFiche.spinBoxGRADE); }) << 1;
    QTest::newRow("grade dropped below FORCE")
        << Geste([](Fiche& oFiche) {
               Joueur::Monter(oFiche.spinBoxGRADE, 3);
               Joueur::Monter(oFiche.ForceValue, 11);
           })
        << Geste([](Fiche& oFiche) { Joueur::Descendre(oFiche.spinBoxGRADE); }) << 1;
    QTest::newRow("superior chosen") << oRien
                                     << Geste([](Fiche& oFiche) { Joueur::Choisir(oFiche.SuperieurListe, "Baal"); })
                                     << 1;
    QTest::newRow("talent added with its speciality")
        << Geste([](Fiche& oFiche) { Joueur::Choisir(oFiche.comboBoxTalents, "Combat"); })
        << Geste([](Fiche& oFiche) { Joueur::Cliquer(oFiche.AddTalent); }) << 1;
    QTest::newRow("talent already held") << oAjouterTalent("Baratin")
                                         << Geste([](Fiche& oFiche) { Joueur::Cliquer(oFiche.AddTalent); }) << 0;
    QTest::newRow("talent row raised") << oAjouterTalent("Baratin") << oMonterLigne(&Fiche::vboxLayout1, "Baratin")
                                       << 1;
    QTest::newRow("talent row raise refused") << oAjouterTalent("Combat") << oMonterLigne(&Fiche::vboxLayout1, "Combat")
                                              << 1;
    QTest::newRow("checked talent rows removed")
        << Geste([=](Fiche& oFiche) {
               oAjouterTalent("Baratin")(oFiche);
               oAjouterTalent("Discussion")(oFiche);
           })
        << oEnleverCoches(&Fiche::vboxLayout1, &Fiche::RemoveTalent) << 1;
    QTest::newRow("power added") << Geste([](Fiche& oFiche) { Joueur::Choisir(oFiche.PouvoirsListe, "Poison"); })
                                 << Geste([](Fiche& oFiche) { Joueur::Cliquer(oFiche.AddPouvoir); }) << 1;
    QTest::newRow("power refused") << Geste([](Fiche& oFiche) { Joueur::Choisir(oFiche.PouvoirsListe, "ArtDeCombat"); })
                                   << Geste([](Fiche& oFiche) { Joueur::Cliquer(oFiche.AddPouvoir); }) << 0;
    QTest::newRow("power row raised") << oAjouterPouvoir("Poison") << oMonterLigne(&Fiche::vboxLayout, "Poison") << 1;
    QTest::newRow("checked power row removed") << oAjouterPouvoir("Poison")
                                               << oEnleverCoches(&Fiche::vboxLayout, &Fiche::RemovePouvoir) << 1;
}

void FicheTest::OnePlayerEditRefreshesTheSheetOnce()
{
    QFETCH(Geste, avant);
    QFETCH(Geste, geste);
    QFETCH(int, rafraichissements);
    auto* poPerso = new DemonCompte;
    auto poFiche = OuvrirFiche(poPerso);
    QVERIFY(poFiche);
    avant(*poFiche);
    const int nDebut = poPerso->GetLectures();
    poFiche->UpdateFiche();
    const int nParRafraichissement = poPerso->GetLectures() - nDebut;
    QVERIFY(nParRafraichissement > 0);

    const int nAvantGeste = poPerso->GetLectures();
    geste(*poFiche);

    QCOMPARE((poPerso->GetLectures() - nAvantGeste) / nParRafraichissement, rafraichissements);
    QCOMPARE((poPerso->GetLectures() - nAvantGeste) % nParRafraichissement, 0);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::RefreshLeavesTalentRowsItHasNotReachedAlone()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Joueur::Monter(poFiche->AgiliteValue);
    for (const QString& oNom : QStringList{"Acrobatie", "Conduite"})
    {
        QVERIFY(Joueur::AjouterTalent(*poFiche, oNom));
        Joueur::Monter(BoiteDe(Ligne(poFiche->vboxLayout1, oNom)), 2);
    }
    Personnage& oPerso = *poFiche->GetPerso();
    QCOMPARE(oPerso.GetTalent("Acrobatie")->GetNiveau(), 1.0f);
    QCOMPARE(oPerso.GetTalent("Conduite")->GetNiveau(), 1.0f);
    QCOMPARE(BoiteDe(Ligne(poFiche->vboxLayout1, "Conduite"))->value(), 2.0);
    const Releve oAvant = ReleveDe(oPerso);
    QSignalSpy oAcrobatie(Ligne(poFiche->vboxLayout1, "Acrobatie"), &PouvoirTalentWidget::ValueChanged);
    QSignalSpy oConduite(Ligne(poFiche->vboxLayout1, "Conduite"), &PouvoirTalentWidget::ValueChanged);

    // AGILITE 2.5 to 3.0 raises the bonus of both rows from 1 to 1.5.
    Joueur::Monter(poFiche->AgiliteValue);

    QCOMPARE(oPerso.GetCaract(AGILITE), 3.0f);
    QCOMPARE(oPerso.GetTalent("Acrobatie")->GetNiveau(), 1.0f);
    QCOMPARE(oPerso.GetTalent("Conduite")->GetNiveau(), 1.0f);
    QCOMPARE(oPerso.GetPA(), oAvant.nPA - 2);
    QCOMPARE(oPerso.GetPASecondaire(), oAvant.nPASecondaire);
    QCOMPARE(oPerso.GetPAConverti(), oAvant.nPAConverti);
    QCOMPARE(BoiteDe(Ligne(poFiche->vboxLayout1, "Acrobatie"))->value(), 2.5);
    QCOMPARE(BoiteDe(Ligne(poFiche->vboxLayout1, "Conduite"))->value(), 2.5);
    QCOMPARE(oAcrobatie.count(), 0);
    QCOMPARE(oConduite.count(), 0);
}

void FicheTest::RefreshWritesItsTextsThroughTheTranslation()
{
    const TraductionEntreCrochets oTraduction;
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);

    QVERIFY(Joueur::Choisir(poFiche->SuperieurListe, "Baal"));

    QCOMPARE(poFiche->SupLabel->text(), QStringLiteral("[Baal]"));
    QCOMPARE(poFiche->PArestantValue->text(), QStringLiteral("[80]"));
    QCOMPARE(poFiche->MSValue->text(), QStringLiteral("[16]"));
}

void FicheTest::SheetWithoutACharacterLeavesEveryEditAlone_data()
{
    QTest::addColumn<Geste>("geste");

    QTest::newRow("characteristic") << Geste([](Fiche& oFiche) { oFiche.ForceValue->setValue(2.5); });
    QTest::newRow("PP") << Geste([](Fiche& oFiche) { oFiche.PPValue->setValue(5); });
    QTest::newRow("grade") << Geste([](Fiche& oFiche) { oFiche.spinBoxGRADE->setValue(2); });
    QTest::newRow("total PA") << Geste([](Fiche& oFiche) { oFiche.spinBoxPATOT->setValue(5); });
    QTest::newRow("row buttons") << Geste([](Fiche& oFiche) {
        for (QPushButton* poBouton : {oFiche.AddTalent, oFiche.RemoveTalent, oFiche.AddPouvoir, oFiche.RemovePouvoir})
            poBouton->click();
    });
    QTest::newRow("superior") << Geste([](Fiche& oFiche) { oFiche.UpdateSuperieur(); });
    QTest::newRow("row values") << Geste([](Fiche& oFiche) {
        oFiche.UpdateTalents();
        oFiche.UpdatePouvoirs();
    });
    QTest::newRow("lists") << Geste([](Fiche& oFiche) { oFiche.FillComboBoxListes(); });
}

// Like the start window's hidden first sheet.
void FicheTest::SheetWithoutACharacterLeavesEveryEditAlone()
{
    QFETCH(Geste, geste);
    Fiche oFiche;

    geste(oFiche);

    QVERIFY(!oFiche.GetPerso());
    QCOMPARE(oFiche.PArestantValue->text(), "80");
    QCOMPARE(Lignes(oFiche.vboxLayout1).size() + Lignes(oFiche.vboxLayout).size(), 0);
    QCOMPARE(oFiche.comboBoxTalents->count() + oFiche.PouvoirsListe->count(), 0);
}

void FicheTest::HandingNoCharacterKeepsTheOneShown()
{
    Fiche oVide;
    oVide.SetPerso(nullptr);
    QVERIFY(!oVide.GetPerso());
    QCOMPARE(oVide.PouvoirsListe->count(), 0);

    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Personnage* poDemon = poFiche->GetPerso();
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Combat"));
    Joueur::Monter(poFiche->ForceValue);

    poFiche->SetPerso(nullptr);

    QCOMPARE(poFiche->GetPerso(), poDemon);
    QCOMPARE(poFiche->ForceValue->value(), 2.5);
    QCOMPARE(poFiche->PArestantValue->text(), "78");
    QCOMPARE(Lignes(poFiche->vboxLayout1).size(), 2);
    Joueur::Monter(poFiche->ForceValue);
    QCOMPARE(poDemon->GetCaract(FORCE), 3.0f);
}

void FicheTest::HandingTheSameCharacterAgainKeepsItAndItsRows()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    Personnage* poDemon = poFiche->GetPerso();
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, "Vol"));

    poFiche->SetPerso(poDemon);

    QCOMPARE(poFiche->GetPerso(), poDemon);
    QCOMPARE(poDemon->GetPA(), 77);
    QCOMPARE(NomsDesLignes(poFiche->vboxLayout), QStringList{"Vol"});
    QCOMPARE(poFiche->PouvoirsListe->count(), 159);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::HandingAnotherCharacterDropsTheRowsOfTheFirst()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Baratin"));
    QVERIFY(Joueur::AjouterPouvoir(*poFiche, "Vol"));

    poFiche->SetPerso(new Ange);

    QVERIFY(Lignes(poFiche->vboxLayout1).isEmpty());
    QVERIFY(Lignes(poFiche->vboxLayout).isEmpty());
    QCOMPARE(poFiche->PouvoirsListe->count(), 128);
    QCOMPARE(poFiche->PArestantValue->text(), "100");
    QVERIFY(Joueur::AjouterTalent(*poFiche, "Baratin"));
    QCOMPARE(NomsDesLignes(poFiche->vboxLayout1), QStringList{"Baratin"});
    QCOMPARE(poFiche->GetPerso()->GetNumTalents(), 1);
    VERIFIER_FICHE(*poFiche);
}

void FicheTest::LongColumnScrollsInsteadOfSqueezingItsRows()
{
    auto poFiche = OuvrirFiche(new Demon);
    QVERIFY(poFiche);
    const QStringList oNoms = Entrees(poFiche->comboBoxTalents).mid(0, 25);

    for (const QString& oNom : oNoms)
        QVERIFY(Joueur::AjouterTalent(*poFiche, oNom));

    const QList<PouvoirTalentWidget*> oLignes = Lignes(poFiche->vboxLayout1);
    QCOMPARE(oLignes.size(), oNoms.size());
    const QScrollArea* poZone = ZoneDe(poFiche->verticalLayout);
    // Laid out on the next turn of the event loop, past the bottom of the area.
    QTRY_VERIFY(oLignes.last()->geometry().bottom() > poZone->viewport()->height());
    QVERIFY(poZone->verticalScrollBar()->maximum() > 0);
    for (int i = 0; i < oLignes.size(); ++i)
    {
        QVERIFY2(oLignes[i]->height() >= 22, qPrintable(QString::fromStdString(oLignes[i]->GetName())));
        QVERIFY(oLignes[i]->width() >= 242);
        if (i > 0)
            QVERIFY(oLignes[i]->y() > oLignes[i - 1]->geometry().bottom());
    }
    QVERIFY(poFiche->verticalLayout->height() > oLignes.last()->geometry().bottom());

    // Down to one row, the column no longer scrolls: the row cannot be wheeled out of sight.
    for (PouvoirTalentWidget* poLigne : oLignes.mid(1))
        Joueur::Cocher(poLigne);
    Joueur::Cliquer(poFiche->RemoveTalent);
    QCOMPARE(Lignes(poFiche->vboxLayout1).size(), 1);
    QTRY_COMPARE(poZone->verticalScrollBar()->maximum(), 0);
}

QTEST_MAIN(FicheTest)
#include "FicheTest.moc"
