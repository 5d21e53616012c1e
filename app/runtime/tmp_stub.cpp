// TODO(bootstrap): placeholder until the runtime services land
