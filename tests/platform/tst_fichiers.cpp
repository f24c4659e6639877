#include "banc.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A file size limit fails writes as a full disk does; the old limit comes back with it.
struct TailleLimitee {
    explicit TailleLimitee(rlim_t octets) {
        ::getrlimit(RLIMIT_FSIZE, &avant);
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limite = avant;
        limite.rlim_cur = octets;
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~TailleLimitee() { ::setrlimit(RLIMIT_FSIZE, &avant); }
    struct rlimit avant {};
};

// A move or a copy; across volumes (simulated: renames across folders fail as across
// volumes); the step refused.
using Etape = std::tuple<bool, bool, QString>;

} // namespace

class TstFichiers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void operations();
    void etapesRefusees_data();
    void etapesRefusees();
};

void TstFichiers::operations() {
    Banc b;
    const QString p = b.photos();
    for (const char* nom : {"b.JPG", "Été 2019.jpg", "a \"cité\".jpg", "-rf.jpg", "x.y.z.bmp",
                            "a.jpg   [M]", ".cachée.jpg"})
        Banc::creerFichier(p + "/" + nom);
    QDir().mkpath(p + "/sous-dossier.jpg");
    QVERIFY(QFile::link(p + "/b.JPG", p + "/lien.jpg"));
    QVERIFY(QFile::link(p + "/sous-dossier.jpg", p + "/lien-dossier.jpg"));
    QVERIFY(QFile::link(p + "/absent", p + "/lien-mort.jpg"));

    QCOMPARE(b.fichiers.Lister(p), QStringList({"-rf.jpg", "a \"cité\".jpg", "a.jpg   [M]", "b.JPG",
                                                "lien.jpg", "x.y.z.bmp", "Été 2019.jpg"}));

    // A name that is not UTF-8, and the valid text it would decode to: the first cannot be
    // named back to the system, so it is neither renamed nor thrown away.
    const QString n = b.racine() + "/noms";
    const QByteArray dossier = QFile::encodeName(n);
    QDir().mkpath(n);
    for (const QByteArray& nom : {QByteArray("x\xff.jpg"), QByteArray("x\xef\xbf\xbd.jpg")})
        QCOMPARE(::close(::open((dossier + '/' + nom).constData(), O_CREAT | O_WRONLY, 0644)), 0);
    const QString lisible = QStringLiteral("x\uFFFD.jpg");
    const QString illisible = lisible + QStringLiteral(" / nom illisible");
    QVERIFY(!b.fichiers.Renommer(n + "/" + illisible, n + "/y.jpg").ok);
    QVERIFY(!b.fichiers.MettreCorbeille(n + "/" + illisible).ok);
    QCOMPARE(b.fichiers.Lister(n), QStringList({lisible, illisible}));
    // The temporary folder cannot remove what has no text name.
    ::unlink((dossier + "/x\xff.jpg").constData());

    const QString d = b.racine() + "/renommages/";
    for (const char* nom : {"a.jpg", "c.jpg", "photo.jpg", "Photo.jpg", "h.jpg"})
        Banc::creerFichier(d + nom, nom);
    QVERIFY(::link(QFile::encodeName(d + "h.jpg").constData(),
                   QFile::encodeName(d + "H.jpg").constData()) == 0);
    QVERIFY(!b.fichiers.MemeEntree(d + "h.jpg", d + "H.jpg"));
    // Neither name is given up for the other: two files, two names differing by case only
    // (two files here), two hard links of one file (two names the user sees).
    const QStringList avant = Banc::empreinte(d);
    for (const auto& [de, vers] :
         {std::pair{"a.jpg", "c.jpg"}, {"photo.jpg", "Photo.jpg"}, {"h.jpg", "H.jpg"}}) {
        const Resultat refus = b.fichiers.Renommer(d + de, d + vers);
        QVERIFY(!refus.ok && !refus.message.isEmpty());
    }
    QCOMPARE(Banc::empreinte(d), avant);
    QVERIFY(b.fichiers.Renommer(d + "a.jpg", d + "nouveau nom.jpg").ok);
    QCOMPARE(Banc::lire(d + "nouveau nom.jpg"), QByteArray("a.jpg"));

    const QString a = Banc::creerFichier(b.photos() + "/à jeter.jpg", "contenu");
    QVERIFY(b.fichiers.MettreCorbeille(a).ok && !QFile::exists(a));
    // The trash of the redirected home, never the user's own.
    const QString jete =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Trash/files/à jeter.jpg");
    QCOMPARE(Banc::lire(jete), QByteArray("contenu"));

    const QString f = b.programme() + "/Options.cfg";
    QVERIFY(b.fichiers.EcrireAtomique(f, "un\r\n").ok);
    QVERIFY(b.fichiers.EcrireAtomique(f, "deux\r\n").ok);
    QCOMPARE(Banc::lire(f), QByteArray("deux\r\n"));
    // A full disk leaves the old file whole, and no temporary file.
    std::optional<TailleLimitee> plein(std::in_place, 16);
    const Resultat r = b.fichiers.EcrireAtomique(f, QByteArray(4096, 'n'));
    plein.reset();
    QVERIFY(!r.ok);
    QCOMPARE(Banc::lire(f), QByteArray("deux\r\n"));
    QCOMPARE(QDir(b.programme()).entryList(QDir::Files), QStringList({"Options.cfg"}));
}

void TstFichiers::etapesRefusees_data() {
    QTest::addColumn<Etape>("e");
    QTest::newRow("copie") << Etape{false, false, ""};
    QTest::newRow("déplacement") << Etape{true, false, ""};
    QTest::newRow("déplacement entre volumes") << Etape{true, true, ""};
    QTest::newRow("copie sur un fichier existant") << Etape{false, false, "existant"};
    QTest::newRow("déplacement sur un fichier existant") << Etape{true, false, "existant"};
    // The last two steps belong to a move across volumes only.
    const char* etapes[] = {"temporaire",   "contenu", "attributs",    "publication",
                            "disque plein", "intrus",  "verification", "suppression"};
    for (const bool deplacer : {false, true})
        for (int i = 0; i < (deplacer ? 8 : 6); ++i)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2 refusé")
                                         .arg(deplacer ? "entre volumes" : "copie", etapes[i])))
                << Etape{deplacer, deplacer, etapes[i]};
}

void TstFichiers::etapesRefusees() {
    QFETCH(Etape, e);
    const auto& [deplacer, autreVolume, etape] = e;
    Banc b;
    const QString a = Banc::creerFichier(b.photos() + "/a.jpg", "contenu A");
    const QDateTime date(QDate(2001, 5, 6), QTime(7, 8, 9));
    QFile fa(a);
    QVERIFY(fa.open(QIODevice::ReadWrite) &&
            fa.setFileTime(date, QFileDevice::FileModificationTime));
    fa.close();
    const QString dest = b.racine() + "/dest";
    QVERIFY(QDir().mkpath(dest));
    b.fichiers.autreVolume = autreVolume;
    b.fichiers.refuserEtape = etape;
    if (etape == "publication")
        b.fichiers.permis = 0;
    if (etape == "existant")
        Banc::creerFichier(dest + "/a.jpg", "autre");
    if (etape == "intrus")
        b.fichiers.avantCopie = [&](const QString&) {
            Banc::creerFichier(dest + "/a.jpg", "autre");
        };
    std::optional<TailleLimitee> plein;
    if (etape == "disque plein")
        plein.emplace(4);
    const Resultat r =
        deplacer ? b.fichiers.Deplacer(a, dest + "/a.jpg") : b.fichiers.Copier(a, dest + "/a.jpg");
    plein.reset();
    const QStringList restes = QDir(dest).entryList(QDir::Files | QDir::Hidden);
    const bool cible = etape.isEmpty() || etape == "existant" || etape == "intrus";
    QCOMPARE(restes, cible ? QStringList({"a.jpg"}) : QStringList());
    if (etape.isEmpty()) {
        QVERIFY(r.ok);
        QCOMPARE(Banc::lire(dest + "/a.jpg"), QByteArray("contenu A"));
        QCOMPARE(QFileInfo(dest + "/a.jpg").lastModified(), date);
        QCOMPARE(QFile::exists(a), !deplacer);
        return;
    }
    // Nothing lost, nothing half-written left behind, nothing replaced.
    QVERIFY(!r.ok && !r.message.isEmpty());
    QCOMPARE(Banc::lire(a), QByteArray("contenu A"));
    if (cible)
        QCOMPARE(Banc::lire(dest + "/a.jpg"), QByteArray("autre"));
}

VIMBRAL_TEST_MAIN(TstFichiers)
#include "tst_fichiers.moc"
