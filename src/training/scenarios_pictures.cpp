#include "training/scenarios.h"

namespace kovrel {
namespace {

std::string troubleshootingPicture(int scenario, int currentRouter) {
  const char* router = currentRouter == 1 ? "RouterB" : "RouterA";
  switch (scenario) {
    case 1:
      return "troubleShooting1.jpg";
    case 2:
    case 3:
      return "troubleShooting2.jpg";
    case 4:
    case 5:
      return std::string("twoRouterTopologyA_") + router + ".jpg";
    default:
      return std::string("twoRouterTopologyB_") + router + ".jpg";
  }
}

}  // namespace

std::string networkPictureFile(const TrainingState& training, int currentRouter) {
  switch (training.currentActivity) {
    case Activity::troubleshooting:
      return troubleshootingPicture(training.currentTroubleshooting, currentRouter);
    case Activity::test:
    case Activity::testReport:
      return training.currentTest == 3 ? "Test3Diagram.jpg" : "Test1And2Diagram.jpg";
    default:
      return "ActivityNetworkDiagram.jpg";
  }
}

}  // namespace kovrel
