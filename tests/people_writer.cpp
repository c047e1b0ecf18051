// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test of its own: a process that writes people into a store as fast
// as it can, for the test that kills it at random moments. Each person's
// fields follow from its number, so that a half-written person shows.
//
//     people_writer STORE save     saves one person at a time
//     people_writer STORE import   saves batches of 500 at once
//
// After each commit it prints the number of people committed so far.

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

#include "people/people_store.h"
#include "people_writer.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 3)
        return 2;
    people::PeopleStore store(QString::fromLocal8Bit(argv[1]));
    const bool batches = QByteArray(argv[2]) == "import";
    const int start = int(store.count());
    for (int n = start;; n += batches ? 500 : 1) {
        const QDateTime now = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000 + n);
        if (batches) {
            QList<birth::BirthDetails> all;
            for (int i = n; i < n + 500; ++i)
                all << writtenPerson(i);
            if (!store.saveAll(all, now, {.replaceExisting = true}))
                return 1;
            std::printf("%d\n", n + 500);
        } else {
            if (!store.save(writtenPerson(n), now))
                return 1;
            std::printf("%d\n", n + 1);
        }
        std::fflush(stdout);
    }
}
