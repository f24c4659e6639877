// From a click on a 5-minute sound file in the list to its size and duration line written:
// mp3 files (a constant-rate one, and with lame on PATH a variable-rate one with its header
// of frames) and MIDI files, against the bare read of the same duration (the media player
// alone, the MIDI file read and scanned alone), and beside them the click on a text file.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench_son
#include "etatprogramme.h"
#include "fichiersparametres.h"
#include "frmphoto.h"
#include "lecteurmedia.h"
#include "mediane.h"
#include "plateformebench.h"
#include "tempsmidi.h"
#include "typesfichiers.h"

#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

constexpr int Tours = 21;

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
}

QByteArray grand(quint32 v, int octets) {
    QByteArray b;
    for (int i = octets - 1; i >= 0; --i)
        b.append(char(v >> (8 * i) & 0xFF));
    return b;
}

QByteArray variable(quint32 v) {
    QByteArray b(1, char(v & 0x7F));
    while (v >>= 7)
        b.prepend(char(0x80 | (v & 0x7F)));
    return b;
}

QByteArray piste(const QByteArray& evenements) {
    return "MTrk" + grand(quint32(evenements.size()), 4) + evenements;
}

// Five minutes of chords on four tracks: 600 quarter notes, the tempo going from 0.4 to 0.6 s
// a quarter and back every four quarters.
QByteArray midiCinqMinutes() {
    QByteArray m = "MThd" + grand(6, 4) + grand(1, 2) + grand(5, 2) + grand(480, 2);
    QByteArray tempo;
    for (int i = 0; i < 150; ++i)
        tempo += variable(i ? 1920 : 0) + QByteArray::fromHex("ff5103") +
                 grand(i % 2 ? 400000 : 600000, 3);
    m += piste(tempo + QByteArray::fromHex("00ff2f00"));
    for (int canal = 0; canal < 4; ++canal) {
        QByteArray p = variable(0) + char(0xC0 + canal) + char(canal * 8);
        for (int i = 0; i < 600; ++i) {
            const char note = char(48 + canal * 7 + i % 12);
            p += variable(0) + char(0x90 + canal) + note + char(0x50);
            p += variable(480) + char(0x80 + canal) + note + char(0x40);
        }
        m += piste(p + QByteArray::fromHex("00ff2f00"));
    }
    return m;
}

QByteArray wavCinqMinutes() {
    QByteArray w;
    QDataStream s(&w, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const int frequence = 44100;
    const quint32 taille = 300 * frequence * 4;
    s.writeRawData("RIFF", 4);
    s << quint32(36 + taille);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(2) << quint32(frequence) << quint32(frequence * 4)
      << quint16(4) << quint16(16);
    s.writeRawData("data", 4);
    s << taille;
    for (int i = 0; i < 300 * frequence; ++i) {
        const auto v = qint16(8000 * std::sin(i * 0.0627 * (1 + (i / frequence) % 5)));
        s << v << v;
    }
    return w;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication application(argc, argv);
    QTemporaryDir racine;
    const QString sons = racine.path() + QStringLiteral("/sons");
    const QString programme = racine.path() + QStringLiteral("/programme");
    QDir().mkpath(sons);
    QDir().mkpath(programme);

    // A constant-rate mp3: the first 72 ms frame of the tests' tone repeated for 5 minutes.
    QFile ton(QStringLiteral(VIMBRAL_SOURCES "/tests/donnees/ton.mp3"));
    ton.open(QIODevice::ReadOnly);
    const QByteArray trame = ton.read(72);
    for (const char* nom : {"a_constant.mp3", "b_constant.mp3"})
        ecrire(sons + "/" + nom, trame.repeated(300 * 1000 / 72));
    const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
    if (!lame.isEmpty()) {
        ecrire(racine.path() + "/cinq.wav", wavCinqMinutes());
        for (const char* nom : {"c_variable.mp3", "d_variable.mp3"})
            QProcess::execute(lame,
                              {QStringLiteral("--quiet"), QStringLiteral("-V"), QStringLiteral("4"),
                               racine.path() + "/cinq.wav", sons + "/" + nom});
    }
    for (const char* nom : {"e.mid", "f.mid"})
        ecrire(sons + "/" + nom, midiCinqMinutes());

    {
        QFile photo(programme + QStringLiteral("/Photo.ini"));
        photo.open(QIODevice::WriteOnly);
        photo.write(ParametresPhoto{sons, true, 0}.versLigne());
    }
    PlateformeBench banc(programme, racine.path());
    EtatProgramme etat;
    FrmPhoto f(banc.plateforme, etat);
    f.show();
    f.Form_Activate();
    f.CboFileType->setCurrentIndex(TypesFichiers::TousSons);
    QApplication::processEvents();

    for (int premier = 0; premier + 1 < f.LstFF->count(); premier += 2) {
        const QString a = f.LstFF->item(premier)->text();
        const QString chemin = sons + "/" + a;
        int bascule = 0;
        QString ligne;
        const double clic = Mediane(Tours, [&] {
            f.SelectionnerEntree(premier + bascule++ % 2);
            ligne = f.Lblmp31->text();
        });
        double nu = 0;
        if (a.endsWith(QLatin1String(".mid"))) {
            nu = Mediane(Tours, [&] {
                QFile m(chemin);
                m.open(QIODevice::ReadOnly);
                TempsMidi::Lire(m.readAll());
            });
        } else {
            LecteurMedia media;
            nu = Mediane(Tours, [&] { media.Charger(chemin); });
        }
        std::printf("%-15s %-42s click to line %6.2f ms, bare read %6.2f ms (%.2f x)\n",
                    qPrintable(a), qPrintable(ligne), clic, nu, clic / nu);
    }
    // The same click on a file that is neither a picture nor a sound: what the list's own
    // handling costs (the name box, its preselection, the events let through).
    for (const char* nom : {"g.txt", "h.txt"})
        ecrire(sons + "/" + nom, "texte");
    f.CboFileType->setCurrentIndex(TypesFichiers::TousFichiers);
    const int g =
        int(f.LstFF->row(f.LstFF->findItems(QStringLiteral("g.txt"), Qt::MatchExactly).first()));
    int bascule = 0;
    std::printf("g.txt (neither picture nor sound): click %6.2f ms\n",
                Mediane(Tours, [&] { f.SelectionnerEntree(g + bascule++ % 2); }));
    return 0;
}
