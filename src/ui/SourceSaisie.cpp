#include "ui/SourceSaisie.h"

#include "app/Erreur.h"
#include "store/BaseDonnees.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextEdit>

namespace velorin {

SourceTable::SourceTable(BaseDonnees& base, QString table, QList<int> identifiants, QObject* parent)
    : SourceSaisie(parent)
    , base_(base)
    , table_(std::move(table))
    , identifiants_(std::move(identifiants))
{
}

void SourceTable::lier(QWidget* controle, const QString& colonne) { liens_.append({controle, colonne}); }

int SourceTable::identifiantCourant() const
{
    return position_ >= 0 && position_ < identifiants_.size() ? identifiants_.at(position_) : -1;
}

QVariant SourceTable::valeurControle(const QWidget* controle)
{
    if (const auto* ligne = qobject_cast<const QLineEdit*>(controle)) return ligne->text();
    if (const auto* texte = qobject_cast<const QPlainTextEdit*>(controle)) return texte->toPlainText();
    if (const auto* riche = qobject_cast<const QTextEdit*>(controle))
        return riche->acceptRichText() ? riche->toHtml() : riche->toPlainText();
    if (const auto* entier = qobject_cast<const QSpinBox*>(controle)) return entier->value();
    if (const auto* reel = qobject_cast<const QDoubleSpinBox*>(controle)) return reel->value();
    if (const auto* date = qobject_cast<const QDateEdit*>(controle)) {
        // The minimum date of an edit that names it stands for "no date".
        if (date->date() == date->minimumDate() && !date->specialValueText().isEmpty()) return QVariant();
        return date->date().toString(Qt::ISODate);
    }
    if (const auto* caseACocher = qobject_cast<const QCheckBox*>(controle)) return caseACocher->isChecked() ? 1 : 0;
    if (const auto* liste = qobject_cast<const QComboBox*>(controle)) return liste->currentText();
    if (const auto* groupe = qobject_cast<const QGroupBox*>(controle)) {
        const auto boutons = groupe->findChildren<QRadioButton*>();
        for (int i = 0; i < boutons.size(); ++i)
            if (boutons.at(i)->isChecked()) return i;
        return -1;
    }
    return {};
}

void SourceTable::afficherValeur(QWidget* controle, const QVariant& valeur)
{
    if (auto* ligne = qobject_cast<QLineEdit*>(controle)) {
        ligne->setText(valeur.toString());
        return;
    }
    if (auto* texte = qobject_cast<QPlainTextEdit*>(controle)) {
        texte->setPlainText(valeur.toString());
        return;
    }
    if (auto* riche = qobject_cast<QTextEdit*>(controle)) {
        if (riche->acceptRichText())
            riche->setHtml(valeur.toString());
        else
            riche->setPlainText(valeur.toString());
        return;
    }
    if (auto* entier = qobject_cast<QSpinBox*>(controle)) {
        entier->setValue(valeur.toInt());
        return;
    }
    if (auto* reel = qobject_cast<QDoubleSpinBox*>(controle)) {
        reel->setValue(valeur.toDouble());
        return;
    }
    if (auto* date = qobject_cast<QDateEdit*>(controle)) {
        const QDate jour = QDate::fromString(valeur.toString().left(10), Qt::ISODate);
        date->setDate(jour.isValid() ? jour : date->minimumDate());
        return;
    }
    if (auto* caseACocher = qobject_cast<QCheckBox*>(controle)) {
        const QString t = valeur.toString().trimmed().toLower();
        caseACocher->setChecked(t == QLatin1String("true") || valeur.toInt() != 0);
        return;
    }
    if (auto* liste = qobject_cast<QComboBox*>(controle)) {
        const int index = liste->findText(valeur.toString());
        if (index >= 0)
            liste->setCurrentIndex(index);
        else if (liste->isEditable())
            liste->setEditText(valeur.toString());
        return;
    }
    if (auto* groupe = qobject_cast<QGroupBox*>(controle)) {
        const auto boutons = groupe->findChildren<QRadioButton*>();
        const int index = valeur.isNull() ? -1 : valeur.toInt();
        for (int i = 0; i < boutons.size(); ++i) boutons.at(i)->setChecked(i == index);
    }
}

void SourceTable::lire()
{
    stockees_.clear();
    const int identifiant = identifiantCourant();
    if (identifiant < 0) return;
    QSqlQuery requete =
        base_.executer(QStringLiteral("SELECT * FROM %1 WHERE Identifiant = ?").arg(table_), {identifiant});
    if (!requete.next()) return;
    const QSqlRecord enregistrement = requete.record();
    for (int i = 0; i < enregistrement.count(); ++i)
        stockees_.insert(enregistrement.fieldName(i).toLower(), requete.value(i));
}

void SourceTable::ouvrir()
{
    lire();
    for (const Lien& lien : liens_)
        if (lien.controle) afficherValeur(lien.controle, stockees_.value(lien.colonne.toLower()));
    emit enregistrementChange();
}

bool SourceTable::enEdition() const
{
    if (identifiantCourant() < 0) return false;
    for (const Lien& lien : liens_) {
        if (!lien.controle) continue;
        const QVariant actuelle = valeurControle(lien.controle);
        const QVariant stockee = stockees_.value(lien.colonne.toLower());
        if (actuelle.toString() != stockee.toString() && !(actuelle.isNull() && stockee.isNull())) return true;
    }
    return false;
}

void SourceTable::enregistrer()
{
    const int identifiant = identifiantCourant();
    if (identifiant < 0 || liens_.isEmpty()) return;
    QStringList affectations;
    QVariantList valeurs;
    for (const Lien& lien : liens_) {
        if (!lien.controle) continue;
        affectations.append(lien.colonne + QStringLiteral(" = ?"));
        valeurs.append(valeurControle(lien.controle));
    }
    valeurs.append(identifiant);
    Transaction transaction(base_);
    base_.executer(
        QStringLiteral("UPDATE %1 SET %2 WHERE Identifiant = ?").arg(table_, affectations.join(QStringLiteral(", "))),
        valeurs);
    transaction.valider();
    lire();
}

void SourceTable::annuler() { ouvrir(); }

void SourceTable::aller(int position)
{
    if (identifiants_.isEmpty()) return;
    position = qBound(0, position, int(identifiants_.size()) - 1);
    if (position == position_) return;
    if (enEdition()) enregistrer();
    position_ = position;
    ouvrir();
}

} // namespace velorin
