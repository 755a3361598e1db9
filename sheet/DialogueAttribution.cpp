#include "DialogueAttribution.h"

#include "FiltreSaisie.h"
#include "model/Personnage.h"

#include <QCalendarWidget>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QWidgetAction>

#include <algorithm>
#include <utility>

namespace
{
// The window's icon and its buttons to shrink, enlarge and close it, beside the title.
constexpr int kBoutonsFenetre = 4;
}

DialogueAttribution::DialogueAttribution(const QString& oTitre, QWidget* poParent)
    : QDialog(poParent),
      mpoPA(BoitePA(this)),
      mpoRaison(new QLineEdit(this)),
      mpoDate(new QLineEdit(this)),
      mpoRefus(new QLabel(this)),
      mpoFormulaire(new QFormLayout(this))
{
    setObjectName(QStringLiteral("DialogueAttribution"));
    setWindowTitle(oTitre);
    mpoPA->setObjectName(QStringLiteral("AttributionPA"));
    mpoPA->setValue(10);
    mpoPA->setToolTip(tr("Les PA accordés ; négatifs pour une correction"));
    mpoRaison->setObjectName(QStringLiteral("AttributionRaison"));
    mpoRaison->setPlaceholderText(tr("Séance 12"));
    mpoDate->setObjectName(QStringLiteral("AttributionDate"));
    mpoDate->setPlaceholderText(tr("AAAA-MM-JJ"));
    mpoDate->setToolTip(tr("La date de l'attribution, AAAA-MM-JJ ; vide quand elle est inconnue"));
    mpoDate->setText(QDate::currentDate().toString(Qt::ISODate));
    mpoRefus->setObjectName(QStringLiteral("AttributionRefus"));
    mpoRefus->setWordWrap(true);
    mpoRefus->setTextFormat(Qt::PlainText);
    mpoRefus->hide();
    // Made in the order Tab goes through them.
    QToolButton* poCalendrier = Calendrier();
    mpoDernier = poCalendrier;
    auto* poBoutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    poBoutons->button(QDialogButtonBox::Ok)->setText(tr("Accorder"));
    poBoutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(poBoutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(poBoutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(FiltreSaisie::Instance(), &FiltreSaisie::HorsBornes, this, [this](QAbstractSpinBox* poBoite, double) {
        if (poBoite->window() == this)
            Refuser(tr("Les PA accordés vont de %1 à %2")
                        .arg(locale().toString(mpoPA->minimum()), locale().toString(mpoPA->maximum())));
    });

    auto* poDate = new QHBoxLayout;
    poDate->addWidget(mpoDate);
    poDate->addWidget(poCalendrier);
    mpoFormulaire->addRow(tr("PA :"), mpoPA);
    mpoFormulaire->addRow(tr("Raison :"), mpoRaison);
    mpoFormulaire->addRow(tr("Date :"), poDate);
    mpoFormulaire->addRow(mpoRefus);
    mpoFormulaire->addRow(poBoutons);
}

int DialogueAttribution::PA() const
{
    return mpoPA->value();
}

std::string DialogueAttribution::Raison() const
{
    return mpoRaison->text().trimmed().toStdString();
}

std::string DialogueAttribution::Date() const
{
    return mpoDate->text().trimmed().toStdString();
}

void DialogueAttribution::accept()
{
    if (const std::string oRaison = RaisonDate(Date()); !oRaison.empty())
    {
        Refuser(QString::fromStdString(oRaison));
        mpoDate->setFocus(Qt::OtherFocusReason);
        mpoDate->selectAll();
        return;
    }
    if (const QString oRefus = Refus(); !oRefus.isEmpty())
    {
        Refuser(oRefus);
        return;
    }
    QDialog::accept();
}

QSpinBox* DialogueAttribution::BoitePA(QWidget* poParent)
{
    auto* poBoite = new QSpinBox(poParent);
    poBoite->setRange(-Personnage::PATotalMax, Personnage::PATotalMax);
    poBoite->setKeyboardTracking(false);
    FiltreSaisie::Proteger(poBoite);
    return poBoite;
}

void DialogueAttribution::Ajouter(QWidget* poPartie, const QList<QWidget*>& oOrdre)
{
    mpoFormulaire->insertRow(mpoFormulaire->rowCount() - 2, poPartie);
    for (QWidget* poSuivant : oOrdre)
        setTabOrder(std::exchange(mpoDernier, poSuivant), poSuivant);
}

void DialogueAttribution::showEvent(QShowEvent* poEvent)
{
    // The title whole, whatever the form needs: a bold title is the widest a window manager writes it.
    QFont oTitre = font();
    oTitre.setBold(true);
    const int nTitre = QFontMetrics(oTitre).horizontalAdvance(windowTitle())
        + kBoutonsFenetre * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    setMinimumWidth(std::max(minimumSizeHint().width(), nTitre));
    QDialog::showEvent(poEvent);
}

QToolButton* DialogueAttribution::Calendrier()
{
    // A button beside the date that pops up a calendar; the day clicked is the date.
    auto* poBouton = new QToolButton(this);
    poBouton->setObjectName(QStringLiteral("AttributionCalendrier"));
    poBouton->setText(tr("Calendrier"));
    poBouton->setToolTip(tr("Choisir la date dans un calendrier"));
    poBouton->setPopupMode(QToolButton::InstantPopup);
    auto* poMenu = new QMenu(poBouton);
    auto* poCalendrier = new QCalendarWidget(poMenu);
    auto* poAction = new QWidgetAction(poMenu);
    poAction->setDefaultWidget(poCalendrier);
    poMenu->addAction(poAction);
    poBouton->setMenu(poMenu);
    connect(poMenu, &QMenu::aboutToShow, poCalendrier, [this, poCalendrier] {
        const QDate oDate = QDate::fromString(mpoDate->text().trimmed(), Qt::ISODate);
        poCalendrier->setSelectedDate(oDate.isValid() ? oDate : QDate::currentDate());
    });
    const auto Choisir = [this, poMenu](QDate oDate) {
        mpoDate->setText(oDate.toString(Qt::ISODate));
        poMenu->close();
    };
    connect(poCalendrier, &QCalendarWidget::clicked, poMenu, Choisir);
    connect(poCalendrier, &QCalendarWidget::activated, poMenu, Choisir);
    return poBouton;
}

void DialogueAttribution::Refuser(const QString& oRaison)
{
    mpoRefus->setText(oRaison);
    mpoRefus->show();
}
