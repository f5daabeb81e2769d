#include "app/application.h"

int main(int argc, char **argv)
{
    return orvane::RunApplication(argc, argv);
}
