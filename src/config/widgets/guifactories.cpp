#include "app/pages.h"

#include "common/pagefactory.h"
#include "config/blockgroup.h"
#include "config/content.h"
#include "config/multitail.h"
#include "config/multiuser.h"
#include "config/params.h"
#include "config/programm/bkvstate.h"
#include "config/programm/bkvstates.h"
#include "config/programm/bpstate.h"
#include "config/programm/bpstates.h"
#include "config/programm/description.h"
#include "config/programm/kvostate.h"
#include "config/programm/multibkvstate.h"
#include "config/programm/multibpstate.h"
#include "config/programm/multiprogramm.h"
#include "config/programm/multitailstate.h"
#include "config/programm/params.h"
#include "config/programm/pcstate.h"
#include "config/programm/programm.h"
#include "config/programm/programms.h"
#include "config/programm/tailstate.h"
#include "config/programm/tailstates.h"
#include "config/tail.h"
#include "config/tails.h"
#include "config/user.h"
#include "config/users.h"
#include "config/widgets/configurationcontentblocktablewidget.h"
#include "config/widgets/configurationcontentwidget.h"
#include "config/widgets/configurationparamswidget.h"
#include "config/widgets/configurationprogrammbkvstateswidget.h"
#include "config/widgets/configurationprogrammbkvstatewidget.h"
#include "config/widgets/configurationprogrammbpstateswidget.h"
#include "config/widgets/configurationprogrammbpstatewidget.h"
#include "config/widgets/configurationprogrammkvostatewidget.h"
#include "config/widgets/configurationprogrammparamswidget.h"
#include "config/widgets/configurationprogrammpcstatewidget.h"
#include "config/widgets/configurationprogrammswidget.h"
#include "config/widgets/configurationprogrammtailsstateswidget.h"
#include "config/widgets/configurationprogrammtailstatewidget.h"
#include "config/widgets/configurationprogrammwidget.h"
#include "config/widgets/configurationtailswidget.h"
#include "config/widgets/configurationtailwidget.h"
#include "config/widgets/configurationuserswidget.h"
#include "config/widgets/descriptionwidget.h"
#include "config/widgets/userwidget.h"

namespace olma::gui {

// The configuration editor: one page per node of the configuration tree.
void registerConfigPages()
{
    using namespace olma::config;
    using namespace olma::config::programm;
    pages::registerPage<config::BlockGroup, ConfigurationContentBlockTableWidget>();
    pages::registerPage<config::Content, ConfigurationContentWidget>();
    pages::registerPage<config::MultiTail, ConfigurationTailWidget>();
    pages::registerPage<config::MultiUser, UserWidget>();
    pages::registerPage<config::Params, ConfigurationParamsWidget>();
    pages::registerPage<config::programm::BKVState, ConfigurationProgrammBKVStateWidget>();
    pages::registerPage<config::programm::BKVStates, ConfigurationProgrammBKVStatesWidget>();
    pages::registerPage<config::programm::BPState, ConfigurationProgrammBPStateWidget>();
    pages::registerPage<config::programm::BPStates, ConfigurationProgrammBPStatesWidget>();
    pages::registerPage<config::programm::Description, DescriptionWidget>();
    pages::registerPage<config::programm::KVOState, ConfigurationProgrammKVOStateWidget>();
    pages::registerPage<config::programm::MultiBKVState, ConfigurationProgrammBKVStateWidget>();
    pages::registerPage<config::programm::MultiBPState, ConfigurationProgrammBPStateWidget>();
    pages::registerPage<config::MultiProgramm, ConfigurationProgrammWidget>();
    pages::registerPage<config::programm::MultiTailState, ConfigurationProgrammTailStateWidget>();
    pages::registerPage<config::programm::Params, ConfigurationProgrammParamsWidget>();
    pages::registerPage<config::programm::PCState, ConfigurationProgrammPCStateWidget>();
    pages::registerPage<config::Programm, ConfigurationProgrammWidget>();
    pages::registerPage<config::Programms, ConfigurationProgrammsWidget>();
    pages::registerPage<config::programm::TailState, ConfigurationProgrammTailStateWidget>();
    pages::registerPage<config::programm::TailStates, ConfigurationProgrammTailsStatesWidget>();
    pages::registerPage<config::Tail, ConfigurationTailWidget>();
    pages::registerPage<config::Tails, ConfigurationTailsWidget>();
    pages::registerPage<config::User, UserWidget>();
    pages::registerPage<config::Users, ConfigurationUsersWidget>();
}

} // namespace olma::gui
