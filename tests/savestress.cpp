// A helper for the process tests.
//   save_stress save DIR [N]  saves group 1 in DIR over and over, alternating
//                          two sets of counts A and B, and says "ready" after
//                          the first save; with N, says "saved A" or "saved B"
//                          after the Nth save and waits
//   save_stress once DIR   saves group 1 in DIR once; exits 0 when it is saved
//   save_stress lock DIR   takes DIR's instance lock, says "locked" and waits

#include "stock/instancelock.h"
#include "stock/stockfiles.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3 && argc != 4)
        return 2;
    const rcl::StockFiles files(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "lock") == 0) {
        const rcl::InstanceLock lock(files);
        std::printf("%s\n", lock.state() == rcl::InstanceLock::State::Acquired ? "locked" : "not locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    rcl::RuneStock stocks[2];
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i) {
        stocks[0].set(i, i * 1111);
        stocks[1].set(i, -i * 7777777);
    }
    if (std::strcmp(argv[1], "once") == 0)
        return files.SaveRuneStock(stocks[0], 1).ok ? 0 : 1;
    const long pauseAfter = argc == 4 ? std::atol(argv[3]) : 0;
    for (long n = 1;; ++n) {
        if (!files.SaveRuneStock(stocks[(n - 1) % 2], 1).ok)
            return 1;
        if (n == 1 || n == pauseAfter) {
            std::printf("%s\n", n != pauseAfter ? "ready" : n % 2 ? "saved A" : "saved B");
            std::fflush(stdout);
        }
        while (n == pauseAfter)
            QThread::sleep(60);
    }
}
