#include "testing/temp_data_root.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "store/database.h"
#include "store/query.h"

namespace orvant::testing {

std::vector<Engine> allEngines() { return {Engine::Sqlite, Engine::Postgres}; }

std::string engineName(const ::testing::TestParamInfo<Engine>& info)
{
    return info.param == Engine::Sqlite ? "Sqlite" : "Postgres";
}

TempDataRoot::TempDataRoot(Engine engine)
{
    static std::atomic<int> counter{0};
    std::random_device random;
    const std::string unique = "t" + std::to_string(::getpid()) + "x" + std::to_string(counter++) + "x" +
                               std::to_string(random() % 100000);
    char pattern[] = "/tmp/orvant-test.XXXXXX";
    parent_ = ::mkdtemp(pattern);
    path_ = parent_ + "/" + unique + "data";
    std::filesystem::create_directories(path_);
    if (engine == Engine::Postgres) {
        const char* conninfo = std::getenv("ORVANT_TEST_PG");
        if (conninfo && *conninfo) config_.postgres = conninfo;
        else unavailable_ = "PostgreSQL tests need ORVANT_TEST_PG (the project's test command starts a cluster)";
    }
}

TempDataRoot::~TempDataRoot()
{
    if (config_.isPostgres()) {
        try {
            store::Database db("cleanup", path_, config_, true);
            const std::string prefix = store::schemaForDirectory(path_);
            store::Query schemas(db, "SELECT nspname FROM pg_namespace WHERE nspname LIKE ?");
            schemas.bind(0, prefix + "%");
            std::vector<std::string> names;
            for (schemas.open(); !schemas.eof(); schemas.next()) names.push_back(schemas.field(0).asString());
            schemas.close();
            for (const auto& name : names) db.connection().execute("DROP SCHEMA " + store::quoteIdent(name) + " CASCADE");
        } catch (const std::exception& e) {
            ADD_FAILURE() << "Cannot drop the test schemas: " << e.what();
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(parent_, ec);
}

}  // namespace orvant::testing
