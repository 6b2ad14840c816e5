// A printer web server's answer to the LAN search's page request and to the
// network form: status line, headers, body by length, chunks or end of the
// connection. Read whole and in pieces it gives the same result, it always
// ends complete or invalid once the connection has closed, and the body never
// exceeds its limit.
#include "FuzzTarget.h"

#include "transport/tcp/HttpAnswerParser.h"

#include <cstdlib>

namespace {
constexpr qint64 MaxBody = 4096;

struct Result
{
    HttpAnswerParser::State state;
    int status;
    QByteArray body;
    bool cut;
    bool early;
    bool operator==(const Result &o) const
    {
        return state == o.state && status == o.status && body == o.body && cut == o.cut && early == o.early;
    }
};

Result read(const QByteArray &answer, int piece)
{
    HttpAnswerParser parser(MaxBody);
    for (int at = 0; at < answer.size(); at += piece)
        parser.feed(answer.mid(at, piece));
    parser.closed();
    return {parser.state(), parser.status(), parser.body(), parser.bodyCut(), parser.endedEarly()};
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzInput::setUpQuietProcess(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray answer = FuzzInput::bytes(data, size);
    const Result whole = read(answer, qMax(1, answer.size()));
    if (whole.body.size() > MaxBody || whole.state == HttpAnswerParser::State::Head
        || whole.state == HttpAnswerParser::State::Body)
        std::abort();
    for (const int piece : {1, 3, 7})
        if (!(read(answer, piece) == whole))
            std::abort();
    return 0;
}
