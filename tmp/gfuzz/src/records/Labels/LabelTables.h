// Every enumeration label and numeric table of the definitions.
#pragma once

#include "records/Labels/CommandKinds.h"
#include "records/Labels/CommandOptionNames.h"
#include "records/Labels/DefinitionNames.h"
#include "records/Labels/EffectKindNames.h"
#include "records/Labels/EffectParamTables.h"
#include "records/Labels/ShotAndStageNames.h"
#include "records/Labels/ShotParamTables.h"
#include "records/Labels/StatusTables.h"
