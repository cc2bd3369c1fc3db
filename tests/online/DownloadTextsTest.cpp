// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a download shows: the megabytes received, and why it failed.
#include <gtest/gtest.h>

#include "DownloadFailureText.h"
#include "DownloadProgressText.h"
#include "QtPrinters.h"

namespace tavolin::testing {
namespace {

struct ReceivedRow {
    qint64 received;
    qint64 total;
    const char* text;
};

class ReceivedTextTest : public ::testing::TestWithParam<ReceivedRow> {};

TEST_P(ReceivedTextTest, ShowsMegabytesToTheTenthWithAComma) {
    EXPECT_EQ(receivedText(GetParam().received, GetParam().total),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ReceivedTextTest,
    ::testing::Values(ReceivedRow{12'400'000, 44'700'000, "12,4 Mo reçus sur 44,7 Mo"},
                      ReceivedRow{0, 44'700'000, "0,0 Mo reçus sur 44,7 Mo"},
                      ReceivedRow{0, -1, "0,0 Mo reçus"},
                      ReceivedRow{3'000'000, -1, "3,0 Mo reçus"},
                      // Half a tenth rounds up, a byte less rounds down.
                      ReceivedRow{12'450'000, 12'449'999, "12,5 Mo reçus sur 12,4 Mo"},
                      ReceivedRow{49'999, 50'000, "0,0 Mo reçus sur 0,1 Mo"},
                      ReceivedRow{999'999, 1'000'000, "1,0 Mo reçus sur 1,0 Mo"},
                      ReceivedRow{1'234'567'890, 0, "1234,6 Mo reçus sur 0,0 Mo"},
                      ReceivedRow{-5, -1, "0,0 Mo reçus"}));

struct FailureRow {
    DownloadFailure failure;
    const char* reason;
};

class DownloadFailureTextTest : public ::testing::TestWithParam<FailureRow> {};

TEST_P(DownloadFailureTextTest, TellsWhyInFrench) {
    EXPECT_EQ(downloadFailureText(GetParam().failure),
              QString::fromUtf8("Le téléchargement de la liste FIDE a échoué : %1.")
                  .arg(QString::fromUtf8(GetParam().reason)));
}

using Error = QNetworkReply::NetworkError;

DownloadFailure failure(Error error, int status, const char* reasonPhrase, const char* host = "",
                        const char* networkText = "", qint64 received = 0, qint64 announced = -1) {
    return {error, status, reasonPhrase, host, networkText, received, announced};
}

INSTANTIATE_TEST_SUITE_P(
    Failures, DownloadFailureTextTest,
    ::testing::Values(
        FailureRow{failure(Error::ContentNotFoundError, 404, "Not Found"),
                   "le serveur a répondu 404 (Not Found)"},
        FailureRow{failure(Error::InternalServerError, 500, "  "), "le serveur a répondu 500"},
        // A 300 with no address to follow is no list either.
        FailureRow{failure(Error::NoError, 300, "Multiple Choices"),
                   "le serveur a répondu 300 (Multiple Choices)"},
        FailureRow{failure(Error::HostNotFoundError, 0, "", "ratings.fide.com"),
                   "le serveur ratings.fide.com est introuvable"},
        FailureRow{failure(Error::ConnectionRefusedError, 0, "", "ratings.fide.com"),
                   "le serveur ratings.fide.com refuse la connexion"},
        FailureRow{failure(Error::TimeoutError, 0, "", "ratings.fide.com"),
                   "le serveur ratings.fide.com ne répond pas"},
        FailureRow{failure(Error::RemoteHostClosedError, 0, "", "ratings.fide.com"),
                   "la connexion a été coupée avant la fin"},
        FailureRow{failure(Error::RemoteHostClosedError, 200, "OK", "h", "", 10, 20),
                   "la connexion a été coupée avant la fin (10 octets reçus sur 20)"},
        FailureRow{failure(Error::NoError, 200, "OK", "h", "", 0, 44'700'000),
                   "la connexion a été coupée avant la fin (0 octets reçus sur 44700000)"},
        FailureRow{failure(Error::InsecureRedirectError, 0, "", "h", "Insecure redirect"),
                   "le serveur renvoie vers une adresse moins sûre"},
        FailureRow{failure(Error::TooManyRedirectsError, 301, "Moved Permanently"),
                   "le serveur renvoie d'adresse en adresse sans fin"},
        FailureRow{failure(Error::TooManyRedirectsError, 0, ""),
                   "le serveur renvoie d'adresse en adresse sans fin"},
        FailureRow{failure(Error::SslHandshakeFailedError, 0, "", "h", "certificate expired"),
                   "la connexion sécurisée a échoué (certificate expired)"},
        FailureRow{failure(Error::ProxyAuthenticationRequiredError, 0, "", "h", "auth needed"),
                   "le serveur mandataire a échoué (auth needed)"},
        FailureRow{failure(Error::NetworkSessionFailedError, 0, "", "h", "session failed"),
                   "erreur du réseau (session failed)"}));

TEST(DownloadCutTest, OnlyAnAnswerShorterThanAnnouncedIsCut) {
    EXPECT_TRUE(isCut(failure(Error::NoError, 200, "OK", "h", "", 99, 100)));
    EXPECT_FALSE(isCut(failure(Error::NoError, 200, "OK", "h", "", 100, 100)));
    EXPECT_FALSE(isCut(failure(Error::NoError, 200, "OK", "h", "", 5, -1)));  // no length told
    EXPECT_FALSE(isCut(failure(Error::ContentNotFoundError, 404, "", "h", "", 0, 100)));
    EXPECT_FALSE(isCut(failure(Error::OperationCanceledError, 200, "OK", "h", "", 5, 100)));
}

}  // namespace
}  // namespace tavolin::testing
