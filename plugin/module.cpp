// The plug-in module: the client library is linked in whole; its only export is PluginMain.
