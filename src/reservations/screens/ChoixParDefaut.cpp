#include "reservations/screens/ChoixParDefaut.h"

#include "reservations/LignesSejour.h"
#include "reservations/screens/ChampsSaisie.h"
#include "store/AccesDonnees.h"
#include "store/DMVelorin.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velorin::choixParDefaut {

namespace {

QString titreChoix(int typePrest)
{
    switch (typePrest) {
    case TypePrestation::Hebergement: return u"Choix d'un hébergement"_qs;
    case TypePrestation::Repas: return u"Choix d'un repas"_qs;
    default: return u"Choix d'une prestation"_qs;
    }
}

QStringList nomsArticles(DMVelorin& dm, int typePrest)
{
    if (typePrest == TypePrestation::Hebergement) {
        QStringList noms;
        for (const TMoisChambre& chambre : dm.catalogue().ListerChambres()) noms.append(chambre.Nom);
        return noms;
    }
    QStringList noms = dm.acces().ValeursDistinctes(
        QStringLiteral("Prestation"), QStringLiteral("Nom"), {}, QStringLiteral("TypePrest = ?"), {typePrest});
    std::sort(noms.begin(), noms.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return noms;
}

// The list, with the meal's check box when tousLesJours is given; the chosen name, or nothing.
std::optional<QString> choisirNom(DMVelorin& dm, int typePrest, QWidget* parent, bool* tousLesJours = nullptr)
{
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("ChoixArticle"));
    dialogue.setWindowTitle(titreChoix(typePrest));
    auto* disposition = new QVBoxLayout(&dialogue);
    auto* liste = new QListWidget(&dialogue);
    liste->setObjectName(QStringLiteral("ListeArticles"));
    liste->addItems(nomsArticles(dm, typePrest));
    if (liste->count() > 0) liste->setCurrentRow(0);
    disposition->addWidget(liste);
    QCheckBox* caseJours = nullptr;
    if (tousLesJours) {
        caseJours = new QCheckBox(u"Ajouter le repas sélectionné à tous les jours de la réservation"_qs, &dialogue);
        caseJours->setObjectName(QStringLiteral("cbTousLesJours"));
        disposition->addWidget(caseJours);
    }
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogue);
    boutons->button(QDialogButtonBox::Ok)->setText(u"&OK"_qs);
    boutons->button(QDialogButtonBox::Cancel)->setText(u"&Annuler"_qs);
    disposition->addWidget(boutons);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    QObject::connect(liste, &QListWidget::itemDoubleClicked, &dialogue, &QDialog::accept);
    dialogue.resize(360, 320);
    if (dialogue.exec() != QDialog::Accepted || !liste->currentItem()) return std::nullopt;
    if (caseJours) *tousLesJours = caseJours->isChecked();
    return liste->currentItem()->text();
}

} // namespace

int choisirArticle(DMVelorin& dm, int typePrest, QWidget* parent)
{
    const auto nom = choisirNom(dm, typePrest, parent);
    if (!nom) return -1;
    return dm.acces().ChercherIdentifiant(*nom, QStringLiteral("Prestation"));
}

std::optional<ChoixRepas> choisirRepas(DMVelorin& dm, QWidget* parent)
{
    bool tousLesJours = false;
    const auto nom = choisirNom(dm, TypePrestation::Repas, parent, &tousLesJours);
    if (!nom) return std::nullopt;
    const int id = dm.acces().ChercherIdentifiant(*nom, QStringLiteral("Prestation"));
    if (id < 0) return std::nullopt;
    return ChoixRepas{id, tousLesJours};
}

QString texteDetail(const TMontantsTVA& m)
{
    return u"Détail du prix TTC"_qs + u"\n"_qs + u"HT : "_qs + texteMontant(m.HT1) + u" + "_qs + texteMontant(m.HT2)
        + u"\n"_qs + u"TVA : "_qs + texteMontant(m.TVA1) + u" + "_qs + texteMontant(m.TVA2) + u"\n"_qs + u"TTC : "_qs
        + texteMontant(m.TTC1) + u" + "_qs + texteMontant(m.TTC2) + u"\n"_qs + u"Total : "_qs + texteMontant(m.Total);
}

QString texteDetail(const QSqlRecord& ligne)
{
    const auto v = [&ligne](const char* colonne) { return ligne.value(QString::fromLatin1(colonne)).toDouble(); };
    return texteDetail(TMontantsTVA{v("HT1"), v("HT2"), v("TVA1"), v("TVA2"), v("TTC1"), v("TTC2"), v("PrixUnit")});
}

} // namespace velorin::choixParDefaut
