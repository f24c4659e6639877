#include "banc.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>

#include <cerrno>
#include <unistd.h>

namespace {

QTemporaryDir& racineProcessus() {
    static QTemporaryDir racine(QDir::tempPath() + QStringLiteral("/vimbral-test-XXXXXX"));
    return racine;
}

} // namespace

void PreparerEnvironnementTest() {
    const QString personnel = racineProcessus().path() + QStringLiteral("/home");
    const QList<QPair<const char*, QString>> variables = {
        {"HOME", personnel},
        {"XDG_DATA_HOME", personnel + "/.local/share"},
        {"XDG_CONFIG_HOME", personnel + "/.config"},
        {"XDG_CACHE_HOME", personnel + "/.cache"},
        {"XDG_STATE_HOME", personnel + "/.local/state"},
        {"XDG_RUNTIME_DIR", racineProcessus().path() + "/runtime"},
    };
    for (const auto& [nom, valeur] : variables) {
        QDir().mkpath(valeur);
        qputenv(nom, QFile::encodeName(valeur));
    }
    QFile::setPermissions(racineProcessus().path() + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program does: the only backend that reads mp3 on a bare system.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

QString DossierPersonnelTest() {
    return racineProcessus().path() + QStringLiteral("/home");
}

int FichiersRefus::RenommerBrut(const QString& de, const QString& vers) {
    if (autreVolume && QFileInfo(de).path() != QFileInfo(vers).path())
        return EXDEV;
    if (permis-- <= 0)
        return EACCES;
    return FichiersSysteme::RenommerBrut(de, vers);
}

Resultat FichiersRefus::refus() const {
    return Resultat::echec(QStringLiteral("Refus à l'étape « %1 »").arg(refuserEtape));
}

Resultat FichiersRefus::CreerTemporaire(const QString& dossier, int& descripteur, QString& chemin) {
    return refuserEtape == QLatin1String("temporaire")
               ? refus()
               : FichiersSysteme::CreerTemporaire(dossier, descripteur, chemin);
}

Resultat FichiersRefus::CopierContenu(int source, int cible, const Avancement& avancement) {
    if (avantCopie)
        avantCopie(QFileInfo(QStringLiteral("/proc/self/fd/%1").arg(source)).symLinkTarget());
    if (refuserEtape != QLatin1String("contenu"))
        return FichiersSysteme::CopierContenu(source, cible, avancement);
    // Part of the data is written, as on a disk that fills up.
    return ::write(cible, "debut", 5) == 5 ? refus() : Resultat::echec("écriture");
}

Resultat FichiersRefus::ReporterAttributs(int source, int cible) {
    return refuserEtape == QLatin1String("attributs")
               ? refus()
               : FichiersSysteme::ReporterAttributs(source, cible);
}

Resultat FichiersRefus::VerifierCopie(const QString& de, const QString& vers) {
    return refuserEtape == QLatin1String("verification") ? refus()
                                                         : FichiersSysteme::VerifierCopie(de, vers);
}

Resultat FichiersRefus::Supprimer(const QString& chemin) {
    return refuserEtape == QLatin1String("suppression") ? refus()
                                                        : FichiersSysteme::Supprimer(chemin);
}

Resultat FichiersRefus::MettreCorbeille(const QString& chemin) {
    if (refuserCorbeille)
        return Resultat::echec(QStringLiteral("Pas de corbeille sur ce volume"));
    return FichiersSysteme::MettreCorbeille(chemin);
}

QStringList FichiersRefus::Lister(const QString& dossier) {
    listes.append(dossier);
    return FichiersSysteme::Lister(dossier);
}

Banc::Banc()
    : plateforme{fichiers, dialogues, horloge, shell, {}},
      m_racine(DossierPersonnelTest() + QStringLiteral("/banc-XXXXXX")) {
    QDir().mkpath(programme());
    QDir().mkpath(photos());
    plateforme.environnement.dossierProgramme = programme();
    plateforme.environnement.dossierPersonnel = DossierPersonnelTest();
    plateforme.environnement.ecran = QSize(1280, 1024);
    plateforme.environnement.version = QStringLiteral("1.2.3");
    plateforme.son = &son;
}

QString Banc::creerFichier(const QString& chemin, const QByteArray& contenu) {
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    if (f.open(QIODevice::WriteOnly))
        f.write(contenu);
    return chemin;
}

QString Banc::creerImage(const QString& chemin, int largeur, int hauteur) {
    QDir().mkpath(QFileInfo(chemin).path());
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    const QString format = QFileInfo(chemin).suffix().toLower();
    image.save(chemin, format == QLatin1String("jpeg") ? "jpg" : qPrintable(format));
    return chemin;
}

QByteArray Banc::lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Banc::empreinte(const QString& dossier) {
    QStringList lignes;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        lignes.append(
            it.fileName() + QLatin1Char(' ') +
            QCryptographicHash::hash(lire(it.filePath()), QCryptographicHash::Md5).toHex());
    }
    lignes.sort();
    return lignes;
}
