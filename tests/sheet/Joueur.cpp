#include "Joueur.h"

#include "Fiche.h"
#include "MyWidget.h"
#include "PouvoirTalentWidget.h"
#include "model/Ange.h"
#include "model/Demon.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <sstream>

namespace
{
void Appuyer(QAbstractSpinBox* poBoite, Qt::Key eTouche, int nFois)
{
    for (int n = 0; n < nFois; ++n)
        QTest::keyClick(poBoite, eTouche);
}

void Valider(QAbstractSpinBox* poBoite)
{
    QTest::keyClick(poBoite, Qt::Key_Return);
}

// The text that a box shows for its value once the player has left it, thousands unseparated.
QString TexteAttendu(QSpinBox* poBoite)
{
    QLocale oLocale = poBoite->locale();
    oLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    return oLocale.toString(poBoite->value());
}

QString TexteAttendu(QDoubleSpinBox* poBoite)
{
    return poBoite->textFromValue(poBoite->value());
}

template <class Boite, class Valeur>
void Comparer(QStringList& oEcarts, Boite* poBoite, Valeur oValeur)
{
    if (poBoite->value() != oValeur || poBoite->text() != TexteAttendu(poBoite))
    {
        oEcarts << QStringLiteral("%1 shows \"%2\", the character holds %3")
                       .arg(poBoite->objectName(), poBoite->text())
                       .arg(oValeur);
    }
}

void Comparer(QStringList& oEcarts, QLabel* poLabel, const QString& oTexte)
{
    if (poLabel->text() != oTexte)
        oEcarts << QStringLiteral("%1 shows \"%2\" instead of \"%3\"").arg(poLabel->objectName(), poLabel->text(), oTexte);
}

void Comparer(QStringList& oEcarts, QLabel* poLabel, int nValeur)
{
    Comparer(oEcarts, poLabel, QString::number(nValeur));
}

void ComparerLigne(QStringList& oEcarts, PouvoirTalentWidget* poLigne, bool bTenu, double fAttendu)
{
    const QString oNom = QString::fromStdString(poLigne->GetName());
    if (!bTenu)
        oEcarts << QStringLiteral("row %1 stands for something the character does not hold").arg(oNom);
    else if (poLigne->GetValue() != fAttendu)
        oEcarts << QStringLiteral("row %1 shows %2 instead of %3").arg(oNom).arg(poLigne->GetValue()).arg(fAttendu);
}
}

namespace Joueur
{
void Cliquer(QAbstractButton* poBouton)
{
    QTest::mouseClick(poBouton, Qt::LeftButton);
}

void Monter(QAbstractSpinBox* poBoite, int nFois)
{
    Appuyer(poBoite, Qt::Key_Up, nFois);
}

void Descendre(QAbstractSpinBox* poBoite, int nFois)
{
    Appuyer(poBoite, Qt::Key_Down, nFois);
}

void Entamer(QAbstractSpinBox* poBoite, const QString& oTexte)
{
    QString oFrappe = oTexte;
    oFrappe.replace(QLatin1Char('.'), poBoite->locale().decimalPoint());
    // The player has clicked into the box.
    poBoite->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(poBoite, Qt::Key_A, Qt::ControlModifier);
    if (oFrappe.isEmpty())
        QTest::keyClick(poBoite, Qt::Key_Backspace);
    QTest::keyClicks(poBoite, oFrappe);
}

void Taper(QAbstractSpinBox* poBoite, const QString& oTexte)
{
    Entamer(poBoite, oTexte);
    Valider(poBoite);
}

void Coller(QAbstractSpinBox* poBoite, const QString& oTexte)
{
    QGuiApplication::clipboard()->setText(oTexte);
    QTest::keyClick(poBoite, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(poBoite, Qt::Key_V, Qt::ControlModifier);
    Valider(poBoite);
}

bool Choisir(QComboBox* poListe, const QString& oEntree)
{
    const int nCible = poListe->findText(oEntree, Qt::MatchExactly);
    if (nCible < 0)
        return false;
    QTest::keyClick(poListe, Qt::Key_F4);
    QAbstractItemView* poVue = poListe->view();
    if (!poVue->isVisible())
        return false;
    // From a list showing no entry, the first key down takes the first one.
    const int nEcart = nCible - poVue->currentIndex().row();
    for (int n = 0; n < std::abs(nEcart); ++n)
        QTest::keyClick(poVue, nEcart > 0 ? Qt::Key_Down : Qt::Key_Up);
    QSignalSpy oPris(poListe, &QComboBox::activated);
    QTest::keyClick(poVue, Qt::Key_Return);
    return !poVue->isVisible() && oPris.size() == 1 && oPris.first().first().toInt() == nCible;
}

void Cocher(PouvoirTalentWidget* poLigne)
{
    auto* poCase = poLigne->findChild<QCheckBox*>(QStringLiteral("mpoCheck"));
    QStyleOptionButton oOption;
    oOption.initFrom(poCase);
    const QRect oIndicateur = poCase->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &oOption, poCase);
    QTest::mouseClick(poCase, Qt::LeftButton, {}, oIndicateur.center());
}

bool AjouterTalent(Fiche& oFiche, const QString& oNom)
{
    if (!Choisir(oFiche.comboBoxTalents, oNom))
        return false;
    Cliquer(oFiche.AddTalent);
    return true;
}

bool AjouterPouvoir(Fiche& oFiche, const QString& oNom)
{
    if (!Choisir(oFiche.PouvoirsListe, oNom))
        return false;
    Cliquer(oFiche.AddPouvoir);
    return true;
}
}

Personnage* NouveauPerso(bool bDemon)
{
    if (bDemon)
        return new Demon;
    return new Ange;
}

void LignesDemonEtAnge()
{
    QTest::addColumn<bool>("demon");

    QTest::newRow("demon") << true;
    QTest::newRow("angel") << false;
}

std::unique_ptr<Fiche> OuvrirFiche(Personnage* poPerso)
{
    auto poFiche = std::make_unique<Fiche>();
    poFiche->SetPerso(poPerso);
    poFiche->show();
    if (!QTest::qWaitForWindowExposed(poFiche.get()))
        return nullptr;
    return poFiche;
}

int Executer(const std::function<void()>& fGeste)
{
    QTimer oGarde;
    oGarde.setSingleShot(true);
    QObject::connect(&oGarde, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    oGarde.start(5000);
    QTimer::singleShot(0, qApp, fGeste);
    return QApplication::exec();
}

QPushButton* Bouton(const QWidget& oFenetre, const QString& oTexte)
{
    for (QPushButton* poBouton : oFenetre.findChildren<QPushButton*>())
    {
        if (poBouton->text() == oTexte)
            return poBouton;
    }
    return nullptr;
}

std::unique_ptr<MyWidget> OuvrirDepart(const QString& oBouton)
{
    auto poFenetre = std::make_unique<MyWidget>();
    poFenetre->show();
    if (!QTest::qWaitForWindowExposed(poFenetre.get()))
        return nullptr;
    if (!oBouton.isEmpty())
        Joueur::Cliquer(Bouton(*poFenetre, oBouton));
    return poFenetre;
}

Lancement::Lancement(bool bAvecImages)
    : moAvant(QDir::currentPath())
{
    if (!bAvecImages)
        QDir::setCurrent(moVide.path());
}

Lancement::~Lancement()
{
    QDir::setCurrent(moAvant);
}

void LignesAvecEtSansImages()
{
    QTest::addColumn<bool>("images");

    QTest::newRow("pictures found") << true;
    QTest::newRow("pictures missing") << false;
}

QList<PouvoirTalentWidget*> Lignes(const QVBoxLayout* poColonne)
{
    QList<PouvoirTalentWidget*> oLignes;
    for (int i = 0; i < poColonne->count(); ++i)
    {
        if (auto* poLigne = qobject_cast<PouvoirTalentWidget*>(poColonne->itemAt(i)->widget()))
            oLignes << poLigne;
    }
    return oLignes;
}

QStringList NomsDesLignes(const QVBoxLayout* poColonne)
{
    QStringList oNoms;
    for (const PouvoirTalentWidget* poLigne : Lignes(poColonne))
        oNoms << QString::fromStdString(poLigne->GetName());
    return oNoms;
}

PouvoirTalentWidget* Ligne(const QVBoxLayout* poColonne, const QString& oNom)
{
    for (PouvoirTalentWidget* poLigne : Lignes(poColonne))
    {
        if (QString::fromStdString(poLigne->GetName()) == oNom)
            return poLigne;
    }
    return nullptr;
}

QDoubleSpinBox* BoiteDe(PouvoirTalentWidget* poLigne)
{
    return poLigne->findChild<QDoubleSpinBox*>(QStringLiteral("doubleSpinBox"));
}

int NombreEspaceurs(const QVBoxLayout* poColonne)
{
    int nEspaceurs = 0;
    for (int i = 0; i < poColonne->count(); ++i)
    {
        if (poColonne->itemAt(i)->spacerItem() != nullptr)
            ++nEspaceurs;
    }
    return nEspaceurs;
}

bool FinitParEspaceur(const QVBoxLayout* poColonne)
{
    return poColonne->count() > 0 && poColonne->itemAt(poColonne->count() - 1)->spacerItem() != nullptr;
}

QStringList Entrees(const QComboBox* poListe)
{
    QStringList oEntrees;
    for (int i = 0; i < poListe->count(); ++i)
        oEntrees << poListe->itemText(i);
    return oEntrees;
}

QString CeQuiDiffere(Fiche& oFiche)
{
    Personnage& oPerso = *oFiche.GetPerso();
    QStringList oEcarts;
    Comparer(oEcarts, oFiche.SupLabel, QString::fromStdString(oPerso.GetSuperieur()));
    Comparer(oEcarts, oFiche.spinBoxGRADE, oPerso.GetGrade());
    Comparer(oEcarts, oFiche.spinBoxPATOT, oPerso.GetPATotal());
    Comparer(oEcarts, oFiche.ForceValue, double{oPerso.GetCaract(FORCE)});
    Comparer(oEcarts, oFiche.AgiliteValue, double{oPerso.GetCaract(AGILITE)});
    Comparer(oEcarts, oFiche.PerceptionValue, double{oPerso.GetCaract(PERCEPTION)});
    Comparer(oEcarts, oFiche.PresenceValue, double{oPerso.GetCaract(PRESENCE)});
    Comparer(oEcarts, oFiche.VolonteValue, double{oPerso.GetCaract(VOLONTE)});
    Comparer(oEcarts, oFiche.FoiValue, double{oPerso.GetCaract(FOI)});
    Comparer(oEcarts, oFiche.PPValue, oPerso.GetPPValue());
    Comparer(oEcarts, oFiche.PArestantValue, oPerso.GetPA());
    Comparer(oEcarts, oFiche.PASecondaireValue, oPerso.GetPASecondaire());
    Comparer(oEcarts, oFiche.PAConvertiValue, oPerso.GetPAConverti());
    Comparer(oEcarts, oFiche.PFValue, oPerso.GetPF());
    Comparer(oEcarts, oFiche.BLValue, oPerso.GetBL());
    Comparer(oEcarts, oFiche.BGValue, oPerso.GetBG());
    Comparer(oEcarts, oFiche.BFValue, oPerso.GetBF());
    Comparer(oEcarts, oFiche.MSValue, oPerso.GetMS());
    for (PouvoirTalentWidget* poLigne : Lignes(oFiche.vboxLayout1))
    {
        const Talent* poTalent = oPerso.GetTalent(poLigne->GetName());
        ComparerLigne(oEcarts, poLigne, poTalent != nullptr,
                      poTalent == nullptr ? 0.0 : poTalent->GetNiveau() + oPerso.GetBonusCaract(poTalent->GetCaractBase()));
    }
    for (PouvoirTalentWidget* poLigne : Lignes(oFiche.vboxLayout))
    {
        const Pouvoir* poPouvoir = oPerso.GetPouvoir(poLigne->GetName());
        ComparerLigne(oEcarts, poLigne, poPouvoir != nullptr, poPouvoir == nullptr ? 0.0 : poPouvoir->GetNiveau());
    }
    return oEcarts.join(QLatin1Char('\n'));
}

bool operator==(const Releve& oGauche, const Releve& oDroite)
{
    return oGauche.oSuperieur == oDroite.oSuperieur && oGauche.nPA == oDroite.nPA &&
           oGauche.nPATotal == oDroite.nPATotal && oGauche.nPASecondaire == oDroite.nPASecondaire &&
           oGauche.nPAConverti == oDroite.nPAConverti && oGauche.nGrade == oDroite.nGrade &&
           oGauche.nPP == oDroite.nPP && oGauche.oCaract == oDroite.oCaract;
}

char* toString(const Releve& oReleve)
{
    std::ostringstream oTexte;
    oTexte << "superior \"" << oReleve.oSuperieur << "\", PA " << oReleve.nPA << "/" << oReleve.nPATotal
           << ", secondary " << oReleve.nPASecondaire << ", converted " << oReleve.nPAConverti << ", grade "
           << oReleve.nGrade << ", PP " << oReleve.nPP << ", characteristics";
    for (float fCaract : oReleve.oCaract)
        oTexte << " " << fCaract;
    return qstrdup(oTexte.str().c_str());
}

Releve ReleveDe(const Personnage& oPerso)
{
    return {oPerso.GetSuperieur(),
            oPerso.GetPA(),
            oPerso.GetPATotal(),
            oPerso.GetPASecondaire(),
            oPerso.GetPAConverti(),
            oPerso.GetGrade(),
            oPerso.GetPPValue(),
            {oPerso.GetCaract(FORCE), oPerso.GetCaract(AGILITE), oPerso.GetCaract(PERCEPTION),
             oPerso.GetCaract(PRESENCE), oPerso.GetCaract(VOLONTE), oPerso.GetCaract(FOI)}};
}
