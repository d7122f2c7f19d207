#include "one_core.h"

#include <libpq-fe.h>

#include <fstream>
#include <iostream>

namespace orvant::bench {
namespace {

// The postmaster's process number, from the first line of postmaster.pid in the server's data
// directory; 0 when it cannot be read.
pid_t postmasterOf(const std::string& conninfo)
{
    PGconn* conn = PQconnectdb(conninfo.c_str());
    std::string directory;
    if (PQstatus(conn) == CONNECTION_OK) {
        PGresult* res = PQexec(conn, "SHOW data_directory");
        if (PQresultStatus(res) == PGRES_TUPLES_OK && PQntuples(res) == 1) directory = PQgetvalue(res, 0, 0);
        PQclear(res);
    }
    PQfinish(conn);
    pid_t pid = 0;
    std::ifstream file(directory + "/postmaster.pid");
    return file >> pid ? pid : 0;
}

}  // namespace

OneCore::OneCore(const std::string& conninfo)
{
    cpu_set_t here;
    CPU_ZERO(&here);
    CPU_SET(sched_getcpu(), &here);
    sched_getaffinity(0, sizeof ownBefore_, &ownBefore_);
    sched_setaffinity(0, sizeof here, &here);
    server_ = postmasterOf(conninfo);
    if (server_ == 0 || sched_getaffinity(server_, sizeof serverBefore_, &serverBefore_) != 0 ||
        sched_setaffinity(server_, sizeof here, &here) != 0) {
        std::cerr << "The PostgreSQL server stays on every core: its process cannot be moved from here.\n";
        server_ = 0;
    }
}

OneCore::~OneCore()
{
    if (server_) sched_setaffinity(server_, sizeof serverBefore_, &serverBefore_);
    sched_setaffinity(0, sizeof ownBefore_, &ownBefore_);
}

}  // namespace orvant::bench
