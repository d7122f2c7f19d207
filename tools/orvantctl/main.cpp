// orvantctl: sets up data roots and companies, and checks the books.

#include <iostream>

#include "orvantctl.h"

int main(int argc, char** argv)
{
    return orvant::ctl::RunOrvantctl(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
