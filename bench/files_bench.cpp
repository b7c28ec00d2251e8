// The file readers against their plain Qt forms and one read(2), on the generated 1,000,000-line
// bar file; encrypt and decrypt against OpenSSL's own calls for the same mode.
#include <tc/files/encryption.h>
#include <tc/files/fileio.h>

#include <literal/fileio.h>
#include <literal/samples.h>

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kBarLines = 1000000;

// The bar file, written once into a folder removed at exit.
const QString& barFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("bars.csv"));
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write((TC::literal::barCsvLines(kBarLines).join(QLatin1Char('\n')) + '\n').toUtf8());
        return p;
    }();
    return path;
}

qint64 barFileBytes()
{
    return QFile(barFile()).size();
}

template <typename Container, typename Read> void readBars(benchmark::State& state, Read read)
{
    const QString& path = barFile();
    for (auto _ : state) {
        Container out;
        if (!read(path, out)) state.SkipWithError("cannot read the bar file");
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * kBarLines);
    state.SetBytesProcessed(state.iterations() * barFileBytes());
}

void BM_QReadFile_BarFileLinesCsv(benchmark::State& state)
{
    readBars<QList<QString>>(
        state, [](const QString& p, QList<QString>& out) { return TC::QReadFile(p, out, true); });
}
BENCHMARK(BM_QReadFile_BarFileLinesCsv)->Unit(benchmark::kMillisecond);

void BM_QReadFile_BarFileLinesCsvPlainQt(benchmark::State& state)
{
    readBars<QList<QString>>(state, [](const QString& p, QList<QString>& out) {
        return TC::literal::QReadFile(p, out, true);
    });
}
BENCHMARK(BM_QReadFile_BarFileLinesCsvPlainQt)->Unit(benchmark::kMillisecond);

void BM_QReadFile_BarFileTextCsv(benchmark::State& state)
{
    readBars<QString>(state,
                      [](const QString& p, QString& out) { return TC::QReadFile(p, out, true); });
}
BENCHMARK(BM_QReadFile_BarFileTextCsv)->Unit(benchmark::kMillisecond);

void BM_QReadFile_BarFileTextCsvPlainQt(benchmark::State& state)
{
    readBars<QString>(
        state, [](const QString& p, QString& out) { return TC::literal::QReadFile(p, out, true); });
}
BENCHMARK(BM_QReadFile_BarFileTextCsvPlainQt)->Unit(benchmark::kMillisecond);

// The caller keeps its string, as a reader of many files would: both sides reuse their buffer.
void BM_stdReadFile_BarFile(benchmark::State& state)
{
    const std::string path = barFile().toStdString();
    std::string content;
    for (auto _ : state) {
        if (!TC::stdReadFile(path, content)) state.SkipWithError("cannot read the bar file");
        benchmark::DoNotOptimize(content.data());
    }
    state.SetBytesProcessed(state.iterations() * barFileBytes());
}
BENCHMARK(BM_stdReadFile_BarFile)->Unit(benchmark::kMillisecond);

// The floor: open, fstat and one read(2) of the whole file into memory.
void BM_stdReadFile_BarFileOneRead2(benchmark::State& state)
{
    const std::string path = barFile().toStdString();
    std::string content(static_cast<size_t>(barFileBytes()), '\0');
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        struct stat info;
        ::fstat(fd, &info);
        const ssize_t n = ::read(fd, &content[0], static_cast<size_t>(info.st_size));
        ::close(fd);
        if (n != info.st_size) state.SkipWithError("short read");
        benchmark::DoNotOptimize(content.data());
    }
    state.SetBytesProcessed(state.iterations() * barFileBytes());
}
BENCHMARK(BM_stdReadFile_BarFileOneRead2)->Unit(benchmark::kMillisecond);

std::string randomBytes(size_t n)
{
    std::mt19937 rng(5);
    std::string s(n, '\0');
    for (char& c : s)
        c = static_cast<char>(rng());
    return s;
}

// The caller reuses its output string, as for the OpenSSL calls below.
template <bool Encrypting> void crypt(benchmark::State& state)
{
    const std::string data = randomBytes(static_cast<size_t>(state.range(0)));
    std::string out;
    for (auto _ : state) {
        const bool ok = Encrypting ? TC::encrypt(data.data(), data.size(), "trader01", out)
                                   : TC::decrypt(data.data(), data.size(), "trader01", out);
        if (!ok) state.SkipWithError("cipher failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_encrypt_Buffer(benchmark::State& state)
{
    crypt<true>(state);
}
BENCHMARK(BM_encrypt_Buffer)->Arg(64)->Arg(1 << 20);

void BM_decrypt_Buffer(benchmark::State& state)
{
    crypt<false>(state);
}
BENCHMARK(BM_decrypt_Buffer)->Arg(64)->Arg(1 << 20);

// OpenSSL alone: AES-128-CBC-CTS (CS3) keyed on every call, cipher fetched and context made once.
template <int Encrypting> void evpCrypt(benchmark::State& state)
{
    const std::string data = randomBytes(static_cast<size_t>(state.range(0)));
    std::string out(data.size(), '\0');
    EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, "AES-128-CBC-CTS", nullptr);
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const unsigned char key[32] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    char cs3[] = "CS3";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_CIPHER_PARAM_CTS_MODE, cs3, 0),
        OSSL_PARAM_construct_end()};
    for (auto _ : state) {
        int n = 0;
        int tail = 0;
        auto* o = reinterpret_cast<unsigned char*>(&out[0]);
        if (EVP_CipherInit_ex2(ctx, cipher, key, key + 16, Encrypting, params) != 1 ||
            EVP_CipherUpdate(ctx, o, &n, reinterpret_cast<const unsigned char*>(data.data()),
                             static_cast<int>(data.size())) != 1 ||
            EVP_CipherFinal_ex(ctx, o + n, &tail) != 1)
            state.SkipWithError("OpenSSL failed");
        benchmark::DoNotOptimize(out.data());
    }
    EVP_CIPHER_CTX_free(ctx);
    EVP_CIPHER_free(cipher);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_encrypt_BufferOpenSsl(benchmark::State& state)
{
    evpCrypt<1>(state);
}
BENCHMARK(BM_encrypt_BufferOpenSsl)->Arg(64)->Arg(1 << 20);

void BM_decrypt_BufferOpenSsl(benchmark::State& state)
{
    evpCrypt<0>(state);
}
BENCHMARK(BM_decrypt_BufferOpenSsl)->Arg(64)->Arg(1 << 20);

} // namespace
