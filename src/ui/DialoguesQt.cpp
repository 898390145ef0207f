#include "ui/DialoguesQt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace velorin {

namespace {
QMessageBox::StandardButton afficher(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                     QMessageBox::StandardButtons boutons)
{
    QMessageBox boite(icone, QGuiApplication::applicationDisplayName(), texte, boutons, parent);
    // French captions whatever translations are installed.
    if (auto* b = boite.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Oui"));
    if (auto* b = boite.button(QMessageBox::No)) b->setText(QStringLiteral("&Non"));
    if (auto* b = boite.button(QMessageBox::Cancel)) b->setText(QStringLiteral("Annuler"));
    if (auto* b = boite.button(QMessageBox::Ok)) b->setText(QStringLiteral("OK"));
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}
} // namespace

QWidget* DialoguesQt::parent() { return QApplication::activeWindow(); }

void DialoguesQt::information(const QString& texte)
{
    afficher(parent(), QMessageBox::Information, texte, QMessageBox::Ok);
}

void DialoguesQt::avertissement(const QString& texte)
{
    afficher(parent(), QMessageBox::Warning, texte, QMessageBox::Ok);
}

void DialoguesQt::erreur(const QString& texte) { afficher(parent(), QMessageBox::Critical, texte, QMessageBox::Ok); }

bool DialoguesQt::question(const QString& texte)
{
    return afficher(parent(), QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Dialogues::Reponse DialoguesQt::questionAnnulable(const QString& texte)
{
    switch (afficher(parent(), QMessageBox::Question, texte,
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Reponse::Oui;
    case QMessageBox::No: return Reponse::Non;
    default: return Reponse::Annuler;
    }
}

QString DialoguesQt::choisirDossier(const QString& invite, const QString& depart)
{
    return QFileDialog::getExistingDirectory(parent(), invite, depart);
}

QString DialoguesQt::choisirFichierAOuvrir(const QString& titre, const QString& depart, const QString& filtre)
{
    return QFileDialog::getOpenFileName(parent(), titre, depart, filtre);
}

QString DialoguesQt::choisirFichierAEnregistrer(const QString& titre, const QString& depart, const QString& filtre)
{
    return QFileDialog::getSaveFileName(parent(), titre, depart, filtre, nullptr, QFileDialog::DontConfirmOverwrite);
}

QColor DialoguesQt::choisirCouleur(const QColor& depart)
{
    return QColorDialog::getColor(depart, parent(), QStringLiteral("Couleur"));
}

} // namespace velorin
